#pragma once

#include "batch/path_rules.h"

namespace velmora {

/// True when a file name matches a wildcard pattern by the rules of a Windows folder search:
/// letters match without regard to case, * matches any run of characters, ? one character or
/// none before a dot or the end, *.* every name (names without a dot included) and a pattern
/// ending in a dot (*.) only names without an extension.
bool MatchesWildcard(NativePathView name, NativePathView pattern);

} // namespace velmora
