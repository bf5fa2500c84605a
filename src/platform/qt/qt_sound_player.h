// The looping alarm sound with QSoundEffect. The sound back end is loaded
// only when the alarm first sounds, so a timer that never rings never pays
// for it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/sound_player.h"

class QSoundEffect;

class QtSoundPlayer final : public SoundPlayer {
public:
    // A bare file name is looked for in the current directory first, then in
    // these folders (beside the executable, the installed data folder).
    explicit QtSoundPlayer(std::vector<std::string> searchDirs);
    ~QtSoundPlayer() override;

    void playLoop(const std::string& fileName) override;
    void stop() override;
    bool isPlaying() const;
    std::string resolve(const std::string& fileName) const;

private:
    std::vector<std::string> searchDirs_;
    std::unique_ptr<QSoundEffect> effect_;
};
