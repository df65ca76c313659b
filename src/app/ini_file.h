#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "web/text.h"

namespace velmora {

/// The value of key in section of INI file content, read by the Windows rules: names match
/// without regard to letter case, blanks around the value are dropped, one pair of enclosing
/// single or double quotes is removed, anything missing gives "", and a value is cut to 10239
/// bytes.
Text IniLookup(std::string_view content, std::string_view section, std::string_view key);

/// The content with key in section set to value: an existing key is replaced in place, a
/// missing key is added at the end of its section and a missing section at the end of the
/// content. Every other line stays byte for byte; new lines end in CR LF.
std::string IniAssign(std::string_view content, std::string_view section, std::string_view key, std::string_view value);

/// IniLookup on a file. Leading bytes 1 to 32 of the file name, section and key are skipped
/// first, and when one of them is then empty the result is "" and no file is read.
Text IniRead(const FileSystem& files, const std::filesystem::path& file, std::string_view section,
             std::string_view key);

/// IniAssign on a file, which is created when missing (its folder is not). The file is replaced
/// whole, so a failed write leaves the old content. True when the new content was written.
bool IniWrite(FileSystem& files, const std::filesystem::path& file, std::string_view section, std::string_view key,
              std::string_view value);

} // namespace velmora
