#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace velmora {

/// An in-memory FileSystem that records what is done to it.
///
/// Files live in `files` (path -> bytes) and folders in `folders`; paths are compared as written
/// (a trailing separator is ignored). Reads and writes are counted. `failWrites` makes every
/// write fail and keep the old content, as a full disk would. A write to a known folder fails
/// too; a file in `unreadable` exists but cannot be read. Otherwise folders are not checked, so a test does not have to
/// create them.
class FakeFileSystem final : public FileSystem
{
public:
    std::map<std::filesystem::path, std::string> files;
    std::set<std::filesystem::path> folders;
    std::set<std::filesystem::path> unreadable; // exist, but every read fails
    mutable int readCount = 0;
    int writeCount = 0;
    bool failWrites = false;

    std::optional<std::string_view> ReadFileInto(const std::filesystem::path& file, std::string& buffer) const override
    {
        ++readCount;
        const auto found = files.find(Key(file));
        if (found == files.end()) {
            return std::nullopt;
        }
        const std::string& content = found->second;
        if (buffer.size() < content.size()) {
            buffer.resize(content.size());
        }
        content.copy(buffer.data(), content.size());
        return std::string_view(buffer.data(), content.size());
    }

    bool WriteFile(const std::filesystem::path& file, std::string_view bytes) override
    {
        ++writeCount;
        if (failWrites || file.empty() || folders.contains(Key(file))) {
            return false;
        }
        files[Key(file)] = std::string(bytes);
        return true;
    }

    bool Exists(const std::filesystem::path& path) const override
    {
        return files.contains(Key(path)) || folders.contains(Key(path)) || unreadable.contains(Key(path));
    }

    bool IsFolder(const std::filesystem::path& path) const override { return folders.contains(Key(path)); }

    bool EnsureFolder(const std::filesystem::path& path) override
    {
        if (path.empty()) {
            return false;
        }
        std::set<std::filesystem::path> missing;
        for (std::filesystem::path folder = Key(path); !folder.empty(); folder = folder.parent_path()) {
            if (files.contains(folder)) {
                return false; // a file stands in the way
            }
            missing.insert(folder);
            if (folder == folder.parent_path()) {
                break;
            }
        }
        folders.merge(missing);
        return true;
    }

    /// The content of a file, or nothing; not counted as a read.
    std::optional<std::string> Content(const std::filesystem::path& file) const
    {
        const auto found = files.find(Key(file));
        return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
    }

private:
    static std::filesystem::path Key(const std::filesystem::path& path)
    {
        std::filesystem::path key = path;
        while (!key.has_filename() && key.has_relative_path()) {
            key = key.parent_path();
        }
        return key;
    }
};

} // namespace velmora
