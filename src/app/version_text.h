#pragma once

#include <string_view>

#include "web/text.h"

namespace velmora {

/// The program's own version, as the update page and the about box compare it.
inline constexpr std::string_view kProgramVersion = "2.8";

/// The part of text that follows the last occurrence of marker (bytes compared exactly, matches
/// only on character starts); "" when marker is empty or does not occur.
Text TextAfterLast(std::string_view text, std::string_view marker);

/// The version named on the update page: the text after the last "='Tarvik" that comes before
/// the first "';" + line feed of the page (code page 936 text); "" when either marker is missing.
Text VersionOnUpdatePage(std::string_view page);

/// True when newestVersion, read as a number, exceeds programVersion by more than 1e-7.
bool IsNewerVersion(std::string_view newestVersion, std::string_view programVersion);

/// The text of the update and about notices: author, whether a newer version exists, both
/// versions and the running time given.
Text VersionNoticeText(std::string_view newestVersion, std::string_view programVersion, std::string_view runTimeText);

} // namespace velmora
