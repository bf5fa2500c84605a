#include "qt/platform_choice.h"

namespace {

bool isSet(const char* value) { return value && *value; }

}  // namespace

std::string chooseQtPlatform(const char* qpaPlatform, const char* display) {
    if (isSet(qpaPlatform) || !isSet(display)) return {};
    return "xcb;wayland";
}
