#include "platform/linux/search_path.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <unistd.h>

namespace velmora {

std::filesystem::path FindOnSearchPath(std::string_view name)
{
    const char* searchPath = std::getenv("PATH");
    if (searchPath == nullptr || name.empty())
        return {};
    std::string_view rest(searchPath);
    while (true) {
        const std::size_t separator = rest.find(':');
        const std::string_view folder = rest.substr(0, separator);
        // An empty entry means the current folder, as for the shell.
        const std::filesystem::path candidate =
            (folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder)) / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (separator == std::string_view::npos)
            return {};
        rest.remove_prefix(separator + 1);
    }
}

} // namespace velmora
