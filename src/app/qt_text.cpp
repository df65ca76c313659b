#include "app/qt_text.h"

#include <filesystem>

#include "platform/code_page.h"

namespace velmora {

QString ToQString(std::string_view text)
{
    return QString::fromStdU16String(Utf16FromLocal(text));
}

Text ToText(const QString& text)
{
    return LocalFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

QString FromNativePath(const NativePath& path)
{
    return QString::fromStdU16String(std::filesystem::path(path).u16string());
}

NativePath ToNativePath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String()).native();
}

} // namespace velmora
