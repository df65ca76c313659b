#include "platform/file_system.h"

namespace velmora {

std::optional<std::string> FileSystem::ReadFile(const std::filesystem::path& file) const
{
    try {
        std::string content;
        const std::optional<std::string_view> bytes = ReadFileInto(file, content);
        if (!bytes)
            return std::nullopt;
        content.resize(bytes->size());
        if (content.size() < content.capacity() / 2)
            content.shrink_to_fit(); // a file without a known size was read into a large buffer
        return content;
    } catch (...) { // std::bad_alloc
        return std::nullopt;
    }
}

} // namespace velmora
