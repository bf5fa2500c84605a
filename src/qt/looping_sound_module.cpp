// The sound module: QSoundEffect looping a wave file.
#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include "qt/looping_sound_module.h"

struct LoopingSound {
    QSoundEffect effect;
};

extern "C" {

Q_DECL_EXPORT LoopingSound* quillastor_create_sound() { return new LoopingSound; }

Q_DECL_EXPORT void quillastor_play_sound(LoopingSound* sound, const char* utf8Path) {
    const QUrl url = QUrl::fromLocalFile(QString::fromUtf8(utf8Path));
    if (sound->effect.source() != url) sound->effect.setSource(url);
    sound->effect.setLoopCount(QSoundEffect::Infinite);
    sound->effect.play();
}

Q_DECL_EXPORT void quillastor_stop_sound(LoopingSound* sound) { sound->effect.stop(); }

Q_DECL_EXPORT void quillastor_destroy_sound(LoopingSound* sound) { delete sound; }

}  // extern "C"
