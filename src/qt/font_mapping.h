// The logical-font record of the settings file as a Qt font, and back.
//
// lfHeight follows the Windows rules: negative is the character height (the
// em size) in pixels, positive the cell height (ascent + descent), zero the
// default height. lfWidth, escapement, orientation, precision, quality and
// pitch are not mapped: Qt picks them from the face.
#pragma once

#include <QFont>

#include "settings/log_font.h"

// Pixel height given to a face when lfHeight is 0 (12 points at 96 dpi).
inline constexpr int kDefaultFontPixels = 16;
// Largest pixel height realised; larger requests are drawn at this height.
inline constexpr int kMaxFontPixels = 4096;

QFont fontFromLogFont(const LogFont& font);

// A font chosen in a dialog, stored over `base` (which keeps the fields Qt
// has no notion of, and the face when the chosen one has no code page 932
// form). `dpiY` turns point sizes into pixels.
LogFont logFontFromFont(const QFont& font, const LogFont& base, double dpiY);

// The fonts of the Japanese Windows faces are not on Linux; Qt is told which
// installed gothic faces stand in for them. Call once at start-up.
void installJapaneseFaceSubstitutes();

// The most recently realised fonts, so painting and measuring at a steady
// font do not resolve it again.
const QFont& cachedFont(const LogFont& font);
