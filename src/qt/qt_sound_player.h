// The looping alarm sound. QSoundEffect lives in a plug-in library loaded
// only when the alarm first sounds, so a timer that never rings never pays
// for the multimedia libraries. It plays on a thread of its own, which the
// window talks to only with queued calls: a hung sound server must not
// freeze the window at the alarm.
#pragma once

#include <string>
#include <vector>

#include "qt/looping_sound_module.h"
#include "platform/sound_player.h"

class QLibrary;
class QObject;
class QThread;

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

private:
    bool loadModule();
    void startThread();

    std::vector<std::string> searchDirs_;
    std::vector<std::string> moduleDirs_;
    QLibrary* library_ = nullptr;
    bool loadFailed_ = false;
    CreateLoopingSound create_ = nullptr;
    PlayLoopingSound play_ = nullptr;
    StopLoopingSound stop_ = nullptr;
    DestroyLoopingSound destroy_ = nullptr;
    QThread* thread_ = nullptr;
    QObject* worker_ = nullptr;  // lives on thread_; the calls are queued to it
    LoopingSound* sound_ = nullptr;  // touched on thread_ only
};
