#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "test_paths.h"

namespace velmora {

/// The whole content of a file; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// Writes a file whole, creating the folders above it.
inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

/// The bytes of a checked-in fixture, by its path below tests/data.
inline std::string FixtureBytes(const std::filesystem::path& relative)
{
    return ReadBytes(std::filesystem::path(VELMORA_TEST_DATA_DIR) / relative);
}

} // namespace velmora
