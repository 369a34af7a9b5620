// The program's modules: parts built as libraries of their own beside the
// executable and loaded when first needed (the audio output at the first
// sound, the charts at the first statistics window), so that a start does
// not load the Qt modules they use and everything those bring.
#pragma once

namespace jw {

// The entry point `symbol` of module `name` (the base name, as in
// "jadewind-audio" for libjadewind-audio.so beside the executable), or null
// when the module or its libraries cannot be loaded. A module stays loaded
// for the rest of the run.
void* ModuleEntry(const char* name, const char* symbol);

}  // namespace jw
