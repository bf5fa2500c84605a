// Which Qt platform plug-in the program asks for. A Wayland client can
// neither place its window nor learn where it is, and the timer lives by its
// place; so where the session also offers X11 (XWayland sets DISPLAY), the
// program runs there, unless the user has chosen a platform. Wayland stays
// the fallback: a stale DISPLAY must not end the program.
#pragma once

#include <string>

// The platform to set in QT_QPA_PLATFORM before Qt starts, from that
// variable's and DISPLAY's values (null when unset); empty leaves Qt's choice.
std::string chooseQtPlatform(const char* qpaPlatform, const char* display);
