#include "window/display_state.h"

bool DisplayState::equals(const DisplayState& other) const {
    return running == other.running && text == other.text && underline == other.underline &&
           inverted == other.inverted;
}

void DisplayState::assign(const DisplayState& other) {
    text = other.text;
    running = other.running;
    underline = other.underline;
    inverted = other.inverted;
}
