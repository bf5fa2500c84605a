// Settings records and file bytes shared by the settings tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/countdown_settings.h"

namespace settings_test {

// The first-run record with the window rectangle documented in
// tests/data/README.md.
inline void fillFirstRun(CountdownSettings& s) {
    s.windowRect = {100, 200, 420, 300};
    s.topmost = 0;
    LogFont font;
    font.lfHeight = -16;
    font.lfWeight = 700;
    font.lfCharSet = 128;
    const char face[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
    std::copy(face, face + sizeof face, font.lfFaceName.begin());
    s.setFont(font);
    s.textColor = 0x00FFFFFF;
    s.backColor = 0x00FF8080;
    s.underline = 1;
    s.autoFit = 1;
    s.reserved = 32;
    s.alarmSound = 1;
    s.registeredTimes = {180, 600, 3600};
    s.countdownSeconds = 180;
    s.autoStart = 1;
}

inline std::vector<uint8_t> readGoldenFile() {
    std::ifstream in(std::string(QUILLASTOR_TEST_DATA) + "/settings_first_run.dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool loadBytes(CountdownSettings& s, std::vector<uint8_t> bytes) {
    Archive a = Archive::forLoading(std::move(bytes));
    return s.serialize(a);
}

inline std::vector<uint8_t> store(CountdownSettings& s) {
    Archive a = Archive::forStoring();
    s.serialize(a);
    return a.bytes();
}

inline void putLE(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value) {
    if (bytes.size() < offset + 4) bytes.resize(offset + 4);
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace settings_test
