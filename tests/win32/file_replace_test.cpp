// ReplaceFileW's errors scripted over real files: the user's data survives,
// under the file's name or, when nothing else is left, the temporary one. A
// file held for 2 s, as a scanner may hold it while the program ends, is
// waited for.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "win32/file_store_win32.h"

TEST(FileReplace, EachErrorIsRecoveredFrom) {
    enum Held { kNone, kOld, kTemporary };  // held open, so that the move fails too
    struct Row { std::vector<DWORD> errors; Held held; bool saved; const char* left; DWORD heldMs = 0; };
    const Row table[] = {  // the scripted errors, then the real call
        {{ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED}, kNone, true, "new"},
        {std::vector<DWORD>(5, ERROR_UNABLE_TO_REMOVE_REPLACED), kOld, false, "old"},
        {{ERROR_UNABLE_TO_MOVE_REPLACEMENT}, kNone, true, "new"},  // ReplaceFileW deleted the old file
        {{ERROR_UNABLE_TO_MOVE_REPLACEMENT}, kTemporary, false, "new"},
        {{ERROR_INVALID_FUNCTION}, kNone, true, "new"},
        {{ERROR_SHARING_VIOLATION}, kOld, true, "new", 2000},
    };
    const auto dir = std::filesystem::temp_directory_path() / "quillastor-replace", file = dir / "Timer.dat";
    for (const Row& row : table) {
        std::filesystem::remove_all(dir), std::filesystem::create_directories(dir);
        std::ofstream(file) << "old";
        std::size_t calls = 0;
        HANDLE held = INVALID_HANDLE_VALUE;
        std::thread scanner;
        auto store = fileStoreReplacingWith([&](const std::wstring& target, const std::wstring& temp) -> DWORD {
            if (row.held && !calls)
                held = CreateFileW((row.held == kOld ? target : temp).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (row.heldMs && !calls && !scanner.joinable())  // let go while the save goes on
                scanner = std::thread([held, ms = row.heldMs] { Sleep(ms), CloseHandle(held); });
            if (calls == row.errors.size()) return ReplaceFileW(target.c_str(), temp.c_str(), nullptr, 0, nullptr, nullptr) ? 0 : GetLastError();
            if (row.errors[calls] == ERROR_UNABLE_TO_MOVE_REPLACEMENT) DeleteFileW(target.c_str());
            return row.errors[calls++];
        });
        EXPECT_EQ(store->replaceAll(file.string(), {'n', 'e', 'w'}), row.saved) << row.errors[0];
        scanner.joinable() ? scanner.join() : void(CloseHandle(held));
        EXPECT_EQ(calls, row.errors.size()) << row.errors[0];
        std::string left;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            std::ifstream in(entry.path());
            left += std::string(std::istreambuf_iterator<char>(in), {});
        }
        EXPECT_EQ(left, row.left) << row.errors[0];
    }
    std::filesystem::remove_all(dir);
}
