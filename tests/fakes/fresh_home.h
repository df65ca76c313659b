#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/data_folder.h"
#include "batch/batch_folder.h"

namespace velmora {

/// A fresh home folder while it lives, so that the data folder is a real one of the test's own.
class FreshHome
{
public:
    FreshHome()
    {
        if (const char* home = std::getenv("HOME"))
            m_savedHome = home;
        if (const char* config = std::getenv("XDG_CONFIG_HOME"))
            m_savedConfig = config;
        ::setenv("HOME", m_folder.Path().c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        std::filesystem::create_directories(DataFolder());
    }
    FreshHome(const FreshHome&) = delete;
    FreshHome& operator=(const FreshHome&) = delete;
    ~FreshHome()
    {
        if (m_savedHome)
            ::setenv("HOME", m_savedHome->c_str(), 1);
        if (m_savedConfig)
            ::setenv("XDG_CONFIG_HOME", m_savedConfig->c_str(), 1);
    }

    const std::filesystem::path& Path() const { return m_folder.Path(); }

    void Put(const std::filesystem::path& file, const std::string& bytes) const
    {
        m_folder.Put(std::filesystem::relative(file, m_folder.Path()).string(), bytes);
    }
    std::string Read(const std::filesystem::path& file) const
    {
        return m_folder.Read(std::filesystem::relative(file, m_folder.Path()).string());
    }

private:
    BatchFolder m_folder;
    std::optional<std::string> m_savedHome;
    std::optional<std::string> m_savedConfig;
};

} // namespace velmora
