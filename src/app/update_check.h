#pragma once

#include "app/program_state.h"
#include "web/text.h"

class QWidget;

namespace velmora {

/// Reads the newest version from the update page's bytes and records it with the program's own.
/// A newer version is announced in a box that stays until the user closes it; a page that could
/// not be fetched (no bytes) or names no version counts as no newer version, silently.
void CheckForUpdate(ProgramState& state, QWidget* owner, const ByteString& updatePage);

} // namespace velmora
