// The interface of the sound module, a plug-in library the program loads
// when the alarm first sounds, so that the multimedia libraries are not
// loaded (and do not cost start-up time or memory) before then.
#pragma once

extern "C" {

struct LoopingSound;

// Entry points, looked up by these names.
using CreateLoopingSound = LoopingSound* (*)();
using PlayLoopingSound = void (*)(LoopingSound*, const char* utf8Path);
using StopLoopingSound = void (*)(LoopingSound*);
using DestroyLoopingSound = void (*)(LoopingSound*);

}  // extern "C"

inline constexpr const char* kSoundModuleName = "quillastor_qt_sound";
