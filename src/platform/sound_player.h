// The looping alarm sound.
#pragma once

#include <string>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the wave file in a loop, asynchronously, until stop().
    virtual void playLoop(const std::string& fileName) = 0;
    virtual void stop() = 0;
};
