// What OK in the font dialog leaves in the settings. A dialog shows the
// stored font as well as its platform can: the face under the name it lists,
// the size rounded to points, the nearest style the face offers. A value the
// user left as the dialog first showed it therefore keeps its stored value;
// only the face takes the name of the face in use.
#pragma once

#include "settings/log_font.h"

// `shown`: the font as the dialog first showed it; `chosen`: as it was confirmed.
LogFont confirmedFont(const LogFont& stored, const LogFont& shown, const LogFont& chosen);
