// Character classes as the operating system knows them for every script:
// glibc's UTF-8 locale data elsewhere, Windows' own character tables there.
#pragma once

// A letter or a digit of any script (kana, kanji, é, Ж, 7).
bool isLetterOrDigit(char32_t c);
