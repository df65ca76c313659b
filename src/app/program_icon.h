#pragma once

#include <QIcon>

namespace velmora {

/// The program's icon for the window and the tray. Each drawn size is read from the resources
/// only when it is first asked for: decoding all of them is a measurable part of the start.
QIcon ProgramIcon();

} // namespace velmora
