#pragma once

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <utility>

#include <gtest/gtest.h>

namespace velmora {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class BatchFolder
{
public:
    BatchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-batch-XXXXXX").native();
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
        EXPECT_FALSE(m_path.empty());
    }
    BatchFolder(const BatchFolder&) = delete;
    BatchFolder& operator=(const BatchFolder&) = delete;
    ~BatchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    void Put(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories((m_path / name).parent_path());
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }

    std::string Read(const std::string& name) const
    {
        std::ifstream in(m_path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    /// Sets a file's access and modification times, in seconds since 1970.
    void SetStamps(const std::string& name, std::time_t access, std::time_t modification) const
    {
        const timespec times[2] = {{access, 0}, {modification, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, (m_path / name).c_str(), times, 0), 0);
    }

    /// A file's access and modification times, in seconds since 1970.
    std::pair<std::time_t, std::time_t> Stamps(const std::string& name) const
    {
        struct stat info
        {};
        EXPECT_EQ(::stat((m_path / name).c_str(), &info), 0);
        return {info.st_atim.tv_sec, info.st_mtim.tv_sec};
    }

    bool Has(const std::string& name) const { return std::filesystem::exists(m_path / name); }

private:
    std::filesystem::path m_path;
};

} // namespace velmora
