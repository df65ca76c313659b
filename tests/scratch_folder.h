#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace velmora {

/// A new, empty folder under the system's temporary folder, removed with everything in it.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string& prefix)
    {
        std::random_device random;
        std::error_code error;
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const std::filesystem::path candidate =
                std::filesystem::temp_directory_path(error) / (prefix + "-" + std::to_string(random()));
            // create_directory reports false for a folder that was there already.
            if (!error && std::filesystem::create_directory(candidate, error))
                m_path = candidate;
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }

    /// The folder; empty when none could be made.
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace velmora
