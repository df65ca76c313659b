#pragma once

#include <string_view>

#include <QString>

#include "batch/path_rules.h"
#include "web/text.h"

namespace velmora {

/// A program text (code page 936) as Qt shows it.
QString ToQString(std::string_view text);

/// What a control shows, as a program text; characters the code page lacks become '?'.
Text ToText(const QString& text);

/// A path in the platform's own form as Qt shows it.
QString FromNativePath(const NativePath& path);

/// A path typed, chosen or dropped in the window, in the platform's own form.
NativePath ToNativePath(const QString& path);

} // namespace velmora
