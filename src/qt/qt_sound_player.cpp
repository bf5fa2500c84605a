#include "qt/qt_sound_player.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// How long the end of the program waits for a sound server that does not answer.
constexpr unsigned long kStopWaitMs = 1000;

// The system bell in place of a sound that cannot play, rung from the
// window's thread, which owns the connection to the display.
void ringBell() {
    QMetaObject::invokeMethod(qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

}  // namespace

QtSoundPlayer::QtSoundPlayer(std::vector<std::string> searchDirs, std::vector<std::string> moduleDirs)
    : searchDirs_(std::move(searchDirs)), moduleDirs_(std::move(moduleDirs)) {}

QtSoundPlayer::~QtSoundPlayer() {
    if (!thread_) return;
    QMetaObject::invokeMethod(worker_, [this] {
        destroy_(sound_);
        thread_->quit();
    }, Qt::QueuedConnection);
    if (!thread_->wait(kStopWaitMs)) {
        // Held up by a hung sound server, the thread would also hold up the
        // multimedia library's exit handlers. The player is torn down after
        // the timer has written its settings: the program ends here.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    delete worker_;
    delete thread_;
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
    if (library_) return true;
    if (loadFailed_) return false;
    for (const std::string& dir : moduleDirs_) {
        auto library = std::make_unique<QLibrary>(QDir(QString::fromStdString(dir)).filePath(kSoundModuleName));
        if (!library->load()) continue;
        create_ = reinterpret_cast<CreateLoopingSound>(library->resolve("quillastor_create_sound"));
        play_ = reinterpret_cast<PlayLoopingSound>(library->resolve("quillastor_play_sound"));
        stop_ = reinterpret_cast<StopLoopingSound>(library->resolve("quillastor_stop_sound"));
        destroy_ = reinterpret_cast<DestroyLoopingSound>(library->resolve("quillastor_destroy_sound"));
        if (!create_ || !play_ || !stop_ || !destroy_) continue;
        library_ = library.release();
        startThread();
        return true;
    }
    loadFailed_ = true;
    return false;
}

void QtSoundPlayer::startThread() {
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("sound"));
    worker_ = new QObject;
    worker_->moveToThread(thread_);
    thread_->start();
    QMetaObject::invokeMethod(worker_, [this] { sound_ = create_(ringBell); }, Qt::QueuedConnection);
}

void QtSoundPlayer::playLoop(const std::string& fileName) {
    if (!loadModule()) {
        QApplication::beep();  // no sound module: at least the system bell
        return;
    }
    QMetaObject::invokeMethod(worker_, [this, path = resolve(fileName)] { play_(sound_, path.c_str()); },
                              Qt::QueuedConnection);
}

void QtSoundPlayer::stop() {
    if (!worker_) return;
    QMetaObject::invokeMethod(worker_, [this] { stop_(sound_); }, Qt::QueuedConnection);
}
