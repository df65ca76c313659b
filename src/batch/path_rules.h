#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

/// A path in the platform's own form; path rules work on it directly, never on code page text.
using NativePath = std::filesystem::path::string_type;
using NativePathView = std::basic_string_view<NativePath::value_type>;

/// What makes a path absolute on a platform.
enum class AbsolutePathRule
{
    /// The path begins with the separator (/home/a.txt).
    LeadingSeparator,
    /// The path begins with a letter and holds a colon followed by a separator (C:\dir\a.txt, d:/a.txt).
    DriveLetter,
};

/// How a platform writes paths. The rules below are the same everywhere but for these.
struct PathRules
{
    /// The folder separator the program writes.
    NativePath::value_type separator;
    /// A second character that also ends a path component when taking a name apart; the
    /// separator itself where there is none.
    NativePath::value_type alternativeSeparator;
    AbsolutePathRule absolute;
};

inline constexpr PathRules kPosixPathRules{'/', '/', AbsolutePathRule::LeadingSeparator};
inline constexpr PathRules kWindowsPathRules{'\\', '/', AbsolutePathRule::DriveLetter};

/// The rules of the platform the program was built for.
inline constexpr PathRules kNativePathRules =
    std::filesystem::path::preferred_separator == '\\' ? kWindowsPathRules : kPosixPathRules;

/// The platform's folder separator.
inline constexpr NativePath::value_type kSeparator = kNativePathRules.separator;

/// The path up to and including its last separator; "" when it has none.
NativePath FolderOfPath(NativePathView path, const PathRules& rules = kNativePathRules);

/// The folder text with a separator at its end ("" gives a lone separator).
NativePath WithTrailingSeparator(NativePathView folder, const PathRules& rules = kNativePathRules);

/// The extension of the path's last component with its leading dot, or "" when it has none or
/// when a space follows its last dot (a.b.txt gives .txt, a.t xt gives "").
NativePath ExtensionOfPath(NativePathView path, const PathRules& rules = kNativePathRules);

/// The last component of the path, with or without its extension; "" for a path that ends in a
/// separator.
NativePath FileNameOfPath(NativePathView path, bool withExtension, const PathRules& rules = kNativePathRules);

/// True when the text holds any of ? / \ < > * | : " (the characters no file name may hold).
bool HasForbiddenChar(NativePathView text);

/// True for an absolute path whose file name is not empty and holds no forbidden character.
bool IsValidFilePath(NativePathView path, const PathRules& rules = kNativePathRules);

/// The path as a new file takes it: trailing dots and spaces of its name are dropped, as
/// Windows drops them (p1. is stored as p1).
NativePath StoredPath(NativePathView path, const PathRules& rules = kNativePathRules);

/// The path with its extension replaced by newExtension, or with newExtension appended when
/// it has none (a.tar.gz with .jpg gives a.tar.jpg).
NativePath PathWithExtension(NativePathView path, NativePathView newExtension,
                             const PathRules& rules = kNativePathRules);

/// A text typed in the window (UTF-8) as part of a path in the platform's own form.
NativePath NativePathFromUtf8(std::string_view utf8);

/// An ASCII text in the platform's own form.
NativePath NativeFromAscii(std::string_view ascii);

/// A number in decimal, in the platform's own form.
NativePath NativeDecimal(long long number);

} // namespace velmora
