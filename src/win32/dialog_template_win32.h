// The two time dialogs built at run time from their tables, in the chosen
// language: the template the dialog manager creates them from, and the fit
// of the created dialog to its texts, measured in the dialog's own font.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "resources/catalogue.h"
#include "resources/dialog_texts.h"

// A DLGTEMPLATEEX of the table's controls with the language's texts, for
// DialogBoxIndirectParamW; the words keep it DWORD-aligned.
std::vector<DWORD> dialogTemplate(const dialog_texts::DialogLayout& layout,
                                  std::span<const dialog_texts::ControlLayout> controls, const Texts& texts);

// Widens the dialog and its controls where their texts need more room
// (dialogs/dialog_fit.h); call from WM_INITDIALOG, before it shows.
void fitToTexts(HWND dialog, const dialog_texts::DialogLayout& layout,
                std::span<const dialog_texts::ControlLayout> controls, const Texts& texts);
