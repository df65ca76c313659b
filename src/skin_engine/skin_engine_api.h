#pragma once

// What the program and its skin engine library agree on. Plain C, so that the library can be
// rebuilt or replaced on its own.
#include <cstddef>

extern "C" {

/// Applies a skin to every window of the calling program: skin points to length bytes, a header
/// line followed by a Qt style sheet in UTF-8; a null skin with length 0 restores the program's
/// own look. reserved must be null and the three numbers 0. Returns 0 when the skin was applied;
/// anything else leaves the look as it was.
using VelmoraSkinAttachFunction = int (*)(const unsigned char* skin, std::size_t length, const char* reserved,
                                          int reserved1, int reserved2, int reserved3);
}

namespace velmora {

/// The exported name of the attach function.
inline constexpr const char* kSkinAttachSymbol = "VelmoraSkinAttach";

/// The first line of every skin.
inline constexpr const char kSkinHeader[] = "/* velmora-skin 1 */\n";

} // namespace velmora
