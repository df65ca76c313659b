#pragma once

#include <vector>

#include "platform/process_starter.h"

namespace velmora {

/// Splits a command line into arguments by the usual desktop rules: blanks and tabs separate,
/// double quotes group (a doubled quote inside quotes is one quote), and backslashes are literal
/// except before a double quote, where each pair gives one backslash and an odd one makes the
/// quote literal.
std::vector<NativeText> SplitCommandLine(const NativeText& commandLine);

} // namespace velmora
