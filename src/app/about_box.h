#pragma once

#include "app/program_state.h"

namespace velmora {

/// Tells the author, both versions and the running time in a notice that closes itself.
void ShowAboutBox(const ProgramState& state);

} // namespace velmora
