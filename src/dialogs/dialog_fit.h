// How a time dialog makes room for its texts in the chosen language. The
// backend measures what each control needs to show its content whole, with
// the toolkit's own measures; when one needs more room than its template
// gives, the whole dialog is stretched in that direction by the one factor
// that makes it fit, so that every control keeps its place beside the others
// and none is cut off. A template whose texts fit, as the Japanese ones do,
// stays exactly as it is; nothing ever shrinks.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "resources/catalogue.h"
#include "resources/dialog_texts.h"

// The widest entry the registered-times list shows in a language.
std::string widestListEntry(const Texts& texts);

// The room a control needs, in dialog units; 0 where it needs none.
struct ControlNeed {
    int width = 0;
    int height = 0;
};

struct FittedDialog {
    dialog_texts::DialogUnitRect dialog;
    std::vector<dialog_texts::DialogUnitRect> controls;  // in template order
};

// `needs` holds one entry a control, in template order.
FittedDialog fitDialog(const dialog_texts::DialogLayout& layout, std::span<const dialog_texts::ControlLayout> controls,
                       std::span<const ControlNeed> needs);
