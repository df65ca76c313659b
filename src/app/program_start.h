#pragma once

namespace velmora {

/// Runs the program in an existing application object until it ends; returns the exit code.
int ProgramStart();

} // namespace velmora
