// The looping alarm sound. QSoundEffect lives in a plug-in library loaded
// only when the alarm first sounds, so a timer that never rings never pays
// for the multimedia libraries.
#pragma once

#include <string>
#include <vector>

#include "qt/looping_sound_module.h"
#include "platform/sound_player.h"

class QLibrary;

class QtSoundPlayer final : public SoundPlayer {
public:
    // A bare file name is looked for in the current directory first, then in
    // `searchDirs` (the shipped files). The module is looked for in
    // `moduleDirs`.
    QtSoundPlayer(std::vector<std::string> searchDirs, std::vector<std::string> moduleDirs);
    ~QtSoundPlayer() override;

    void playLoop(const std::string& fileName) override;
    void stop() override;

    std::string resolve(const std::string& fileName) const;
    // Whether the module has been loaded (it is loaded by the first play).
    bool moduleLoaded() const { return sound_ != nullptr; }

private:
    bool loadModule();

    std::vector<std::string> searchDirs_;
    std::vector<std::string> moduleDirs_;
    QLibrary* library_ = nullptr;
    bool loadFailed_ = false;
    LoopingSound* sound_ = nullptr;
    PlayLoopingSound play_ = nullptr;
    StopLoopingSound stop_ = nullptr;
    DestroyLoopingSound destroy_ = nullptr;
};
