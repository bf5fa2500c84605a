// What the window shows; compared with the last painted snapshot so that an
// update that changes nothing on the screen does not repaint.
#pragma once

#include <cstdint>
#include <string>

class DisplayState {
public:
    virtual ~DisplayState() = default;
    virtual bool equals(const DisplayState& other) const;
    virtual void assign(const DisplayState& other);

    std::string text;
    bool running = false;
    int32_t underline = 0;
    bool inverted = false;
};
