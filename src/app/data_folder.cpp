#include "app/data_folder.h"

#include <utility>

namespace velmora {

std::filesystem::path DataFolder(const std::filesystem::path& documentsFolder)
{
    // Text concatenation, as the original builds it: path::operator/ would turn an empty
    // documents folder into the relative path "Tarvik" instead of the root's "/Tarvik".
    constexpr auto separator = std::filesystem::path::preferred_separator;
    std::filesystem::path::string_type text = documentsFolder.native();
    if (text.empty() || text.back() != separator) {
        text += separator;
    }
    text += std::filesystem::path("Tarvik").native();
    return std::filesystem::path(std::move(text));
}

std::filesystem::path SettingsFile(const std::filesystem::path& documentsFolder)
{
    // A native path: UTF-8 on Linux, UTF-16 on Windows; never code page 936.
    return DataFolder(documentsFolder) / std::filesystem::path(u8"软件配置.ini");
}

} // namespace velmora
