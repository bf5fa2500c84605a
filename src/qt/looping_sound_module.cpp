// The sound module: QSoundEffect looping a wave file, watched while it is
// wanted. A sound server that restarts, or one that was not there at first,
// silently stops the effect, so it is started again once a second; each
// time it cannot play, the program is told (and rings the bell instead).
#include <QSoundEffect>
#include <QString>
#include <QTimer>
#include <QUrl>

#include "qt/looping_sound_module.h"

namespace {

constexpr int kWatchMs = 1000;

}  // namespace

struct LoopingSound {
    explicit LoopingSound(SoundFailed onFailure) : failed(onFailure) {
        watch.setInterval(kWatchMs);
        QObject::connect(&watch, &QTimer::timeout, [this] { check(); });
        QObject::connect(&effect, &QSoundEffect::statusChanged, [this] {
            if (effect.status() == QSoundEffect::Error && watch.isActive()) failed();
        });
    }

    void start() {
        effect.setLoopCount(QSoundEffect::Infinite);
        effect.play();
    }

    void check() {
        if (effect.isPlaying()) return;
        if (effect.status() != QSoundEffect::Loading) failed();
        if (effect.status() == QSoundEffect::Error) {
            // The file may have been replaced or the server restarted: load it anew.
            const QUrl url = effect.source();
            effect.setSource(QUrl());
            effect.setSource(url);
        }
        start();
    }

    QSoundEffect effect;
    QTimer watch;
    SoundFailed failed;
};

extern "C" {

Q_DECL_EXPORT LoopingSound* quillastor_create_sound(SoundFailed failed) { return new LoopingSound(failed); }

Q_DECL_EXPORT void quillastor_play_sound(LoopingSound* sound, const char* utf8Path) {
    const QUrl url = QUrl::fromLocalFile(QString::fromUtf8(utf8Path));
    if (sound->effect.source() != url) sound->effect.setSource(url);
    sound->start();
    sound->watch.start();
}

Q_DECL_EXPORT void quillastor_stop_sound(LoopingSound* sound) {
    sound->watch.stop();
    sound->effect.stop();
}

Q_DECL_EXPORT void quillastor_destroy_sound(LoopingSound* sound) { delete sound; }

}  // extern "C"
