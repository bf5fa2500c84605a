#include "window/confirmed_font.h"

namespace {

template <class Field>
void keepUnlessChanged(LogFont& font, const LogFont& stored, const LogFont& shown, Field LogFont::*field) {
    if (font.*field == shown.*field) font.*field = stored.*field;
}

}  // namespace

LogFont confirmedFont(const LogFont& stored, const LogFont& shown, const LogFont& chosen) {
    LogFont font = chosen;
    for (auto field : {&LogFont::lfHeight, &LogFont::lfWidth, &LogFont::lfEscapement, &LogFont::lfOrientation})
        keepUnlessChanged(font, stored, shown, field);
    for (auto field : {&LogFont::lfUnderline, &LogFont::lfStrikeOut, &LogFont::lfCharSet, &LogFont::lfOutPrecision,
                       &LogFont::lfClipPrecision, &LogFont::lfQuality, &LogFont::lfPitchAndFamily})
        keepUnlessChanged(font, stored, shown, field);
    // A style is one of the face's: on another face the one the dialog kept
    // is the user's choice, on the face first shown it may only be the
    // nearest to a stored style the face lacks (bold drawn on a face without).
    if (chosen.lfFaceName == shown.lfFaceName && chosen.lfWeight == shown.lfWeight &&
        chosen.lfItalic == shown.lfItalic) {
        font.lfWeight = stored.lfWeight;
        font.lfItalic = stored.lfItalic;
    }
    return font;
}
