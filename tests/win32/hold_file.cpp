// hold_file.exe FILE RELEASE: holds FILE open sharing nothing, as a scanner
// or a sync client may, and says "held"; lets go once RELEASE exists (or
// after a minute). For the driven run of the packaged program.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3 || CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr) == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held"), std::fflush(stdout);
    for (int i = 0; i < 600 && GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    return 0;
}
