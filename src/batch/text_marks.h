#pragma once

#include <string>
#include <string_view>

#include "batch/content_text.h"

namespace velmora {

/// The document text of the split mode with its marks expanded: every backtick becomes a
/// straight double quote, tildes become “ and ” in turn, %n one CR LF, %N two, and the first of
/// %s, %d, %f, %t and %T becomes (空) (%t quoted "(空)", %T quoted “(空)”); other percent signs
/// and later pairs stay. Inserted characters are written in the text's own encoding.
std::string ExpandTextMarks(std::string_view text, ContentEncoding encoding);

/// False for a text without any byte that could begin a mark: its expansion is the text itself.
bool HoldsTextMarks(std::string_view text);

} // namespace velmora
