// The program's private folder for its locks and sockets, in the user's
// runtime folder: no other user may create, replace or open anything in it.
#pragma once

#include <optional>
#include <string>

// $XDG_RUNTIME_DIR/quillastor-timer (Qt's runtime location where the variable
// is unset), created 0700 when missing. nullopt when it is not a folder of
// the user's own that only the user may enter: a link, another user's, or
// open to others.
std::optional<std::string> privateRuntimeFolder();
