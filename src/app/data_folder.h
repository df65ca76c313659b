#pragma once

#include <filesystem>

#include "platform/folders.h"

namespace velmora {

/// The program's per-user data folder: the documents folder, then "Tarvik". Without a documents
/// folder it is "Tarvik" at the root of the file system.
std::filesystem::path DataFolder(const std::filesystem::path& documentsFolder = DocumentsFolder());

/// The settings file 软件配置.ini in the data folder.
std::filesystem::path SettingsFile(const std::filesystem::path& documentsFolder = DocumentsFolder());

} // namespace velmora
