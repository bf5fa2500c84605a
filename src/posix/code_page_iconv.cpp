#include <iconv.h>

#include <cerrno>
#include <string>

#include "platform/code_page.h"

namespace {

// Converts the whole input or nothing: an invalid or incomplete sequence, or
// a character without a form in the target, gives nullopt.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input) {
    if (input.empty()) return std::string();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    std::string in(input);
    std::string out(input.size() * 3 + 8, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    size_t used = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        size_t outLeft = out.size() - used;
        const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (result != static_cast<size_t>(-1)) {
            // Some iconv builds count replaced characters here instead of failing.
            ok = result == 0;
            break;
        }
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        out.resize(out.size() * 2);
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(used);
    return out;
}

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932);
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8);
}
