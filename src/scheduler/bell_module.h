#pragma once

#include "platform/bell.h"

// The alarm bell lives in a module of its own, loaded on the first alarm: Qt Multimedia and the
// sound server's client would otherwise be loaded, and connected, at every start.

namespace velmora {

/// The module's base name beside the program; the loader adds the platform's prefix and suffix.
inline constexpr char kBellModuleName[] = "velmora-bell";

/// The module's one entry point: a new bell, owned by the caller.
inline constexpr char kMakeBellSymbol[] = "velmora_make_bell";
using MakeBellFunction = Bell* (*)();

} // namespace velmora
