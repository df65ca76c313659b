#pragma once

class QWidget;

namespace velmora {

/// Makes a window see-through: alpha 0 is invisible, 255 opaque; values outside 0..255 count
/// as 255. Where the window system cannot blend windows nothing changes.
void SetWindowAlpha(QWidget* window, int alpha);

} // namespace velmora
