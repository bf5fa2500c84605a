#include <locale.h>
#include <wctype.h>

#include <initializer_list>

#include "platform/text_class.h"

namespace {

// The classes come from a UTF-8 locale, whatever locale the process runs in.
locale_t utf8Locale() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "UTF-8"})
            if (locale_t l = newlocale(LC_CTYPE_MASK, name, locale_t{})) return l;
        return locale_t{};
    }();
    return locale;
}

}  // namespace

bool isLetterOrDigit(char32_t c) {
    if (c < 0x80) return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
    const locale_t locale = utf8Locale();
    return locale && iswalnum_l(static_cast<wint_t>(c), locale) != 0;
}
