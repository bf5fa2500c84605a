#include "qt/qt_sound_player.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <memory>

QtSoundPlayer::QtSoundPlayer(std::vector<std::string> searchDirs, std::vector<std::string> moduleDirs)
    : searchDirs_(std::move(searchDirs)), moduleDirs_(std::move(moduleDirs)) {}

QtSoundPlayer::~QtSoundPlayer() {
    if (sound_) destroy_(sound_);
    // The library stays loaded: Qt objects it made may still be referenced
    // by Qt's own caches until the application ends.
    delete library_;
}

std::string QtSoundPlayer::resolve(const std::string& fileName) const {
    const QString name = QString::fromStdString(fileName);
    if (QFileInfo(name).isAbsolute() || QFileInfo::exists(name)) return QFileInfo(name).absoluteFilePath().toStdString();
    for (const std::string& dir : searchDirs_) {
        const QString candidate = QDir(QString::fromStdString(dir)).filePath(name);
        if (QFileInfo::exists(candidate)) return candidate.toStdString();
    }
    return QFileInfo(name).absoluteFilePath().toStdString();
}

bool QtSoundPlayer::loadModule() {
    if (sound_) return true;
    if (loadFailed_) return false;
    for (const std::string& dir : moduleDirs_) {
        auto library = std::make_unique<QLibrary>(QDir(QString::fromStdString(dir)).filePath(kSoundModuleName));
        if (!library->load()) continue;
        const auto create = reinterpret_cast<CreateLoopingSound>(library->resolve("quillastor_create_sound"));
        play_ = reinterpret_cast<PlayLoopingSound>(library->resolve("quillastor_play_sound"));
        stop_ = reinterpret_cast<StopLoopingSound>(library->resolve("quillastor_stop_sound"));
        destroy_ = reinterpret_cast<DestroyLoopingSound>(library->resolve("quillastor_destroy_sound"));
        if (!create || !play_ || !stop_ || !destroy_) continue;
        sound_ = create();
        library_ = library.release();
        return true;
    }
    loadFailed_ = true;
    return false;
}

void QtSoundPlayer::playLoop(const std::string& fileName) {
    if (!loadModule()) {
        QApplication::beep();  // no sound module: at least the system bell
        return;
    }
    play_(sound_, resolve(fileName).c_str());
}

void QtSoundPlayer::stop() {
    if (sound_) stop_(sound_);
}
