// What the window shows; compared with the last painted snapshot so that a
// 100 ms tick repaints only when the shown second changes.
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
