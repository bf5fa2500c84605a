#include "platform/qt/qt_sound_player.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(std::vector<std::string> searchDirs) : searchDirs_(std::move(searchDirs)) {}

QtSoundPlayer::~QtSoundPlayer() = default;

std::string QtSoundPlayer::resolve(const std::string& fileName) const {
    const QString name = QString::fromStdString(fileName);
    if (QFileInfo(name).isAbsolute() || QFileInfo::exists(name)) return QFileInfo(name).absoluteFilePath().toStdString();
    for (const std::string& dir : searchDirs_) {
        const QString candidate = QDir(QString::fromStdString(dir)).filePath(name);
        if (QFileInfo::exists(candidate)) return candidate.toStdString();
    }
    return QFileInfo(name).absoluteFilePath().toStdString();
}

void QtSoundPlayer::playLoop(const std::string& fileName) {
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(resolve(fileName)));
    if (effect_->source() != url) effect_->setSource(url);
    effect_->setLoopCount(QSoundEffect::Infinite);
    effect_->play();
}

void QtSoundPlayer::stop() {
    if (effect_) effect_->stop();
}

bool QtSoundPlayer::isPlaying() const { return effect_ && effect_->isPlaying(); }
