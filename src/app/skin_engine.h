#pragma once

#include <filesystem>

#include "platform/file_system.h"
#include "platform/skin_engine_loader.h"
#include "web/text.h"

namespace velmora {

/// Where the skin engine library is taken from: the configured path (blanks around it dropped)
/// when a file is there; otherwise the last of the loader's program folder copy and system folder
/// copy that exists, and without either the configured path.
std::filesystem::path LocateSkinEngine(const FileSystem& files, const SkinEngineLoader& loader,
                                       const std::filesystem::path& configuredPath);

/// True when a file is at enginePath and loads as a skin engine.
bool SkinEngineReady(const FileSystem& files, SkinEngineLoader& loader, const std::filesystem::path& enginePath);

/// Hands the skin to the engine at enginePath; true when the engine is ready and applied it.
bool AttachSkin(const FileSystem& files, SkinEngineLoader& loader, const std::filesystem::path& enginePath,
                const ByteString& skin);

} // namespace velmora
