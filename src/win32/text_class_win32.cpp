#include <windows.h>

#include "platform/text_class.h"

bool isLetterOrDigit(char32_t c) {
    wchar_t units[2];
    int length = 1;
    if (c < 0x10000) {
        units[0] = static_cast<wchar_t>(c);
    } else if (c <= 0x10FFFF) {
        c -= 0x10000;
        units[0] = static_cast<wchar_t>(0xD800 + (c >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        length = 2;
    } else {
        return false;
    }
    WORD types[2] = {};
    if (!GetStringTypeW(CT_CTYPE1, units, length, types)) return false;
    return (types[0] & (C1_ALPHA | C1_DIGIT)) != 0;
}
