// The interface of the sound module, a plug-in library the program loads
// when the alarm first sounds, so that the multimedia libraries are not
// loaded (and do not cost start-up time or memory) before then. Every entry
// point is called on the program's sound thread, never on the window's: a
// sound server that hangs then holds up only that thread.
#pragma once

extern "C" {

struct LoopingSound;

// Called on the sound thread each time the sound cannot play (an unreadable
// file, no sound server); the sound keeps trying while it is wanted.
using SoundFailed = void (*)();

// Entry points, looked up by these names.
using CreateLoopingSound = LoopingSound* (*)(SoundFailed failed);
using PlayLoopingSound = void (*)(LoopingSound*, const char* utf8Path);
using StopLoopingSound = void (*)(LoopingSound*);
using DestroyLoopingSound = void (*)(LoopingSound*);

}  // extern "C"

inline constexpr const char* kSoundModuleName = "quillastor_qt_sound";
