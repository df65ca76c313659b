#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

/// A path in the platform's own form; path rules work on it directly, never on code page text.
using NativePath = std::filesystem::path::string_type;
using NativePathView = std::basic_string_view<NativePath::value_type>;

/// The platform's folder separator.
inline constexpr NativePath::value_type kSeparator = std::filesystem::path::preferred_separator;

/// The path up to and including its last separator; "" when it has none.
NativePath FolderOfPath(NativePathView path);

/// The folder text with a separator at its end ("" gives a lone separator).
NativePath WithTrailingSeparator(NativePathView folder);

/// The extension of the path's last component with its leading dot, or "" when it has none or
/// when a space follows its last dot (a.b.txt gives .txt, a.t xt gives "").
NativePath ExtensionOfPath(NativePathView path);

/// The last component of the path, with or without its extension; "" for a path that ends in a
/// separator.
NativePath FileNameOfPath(NativePathView path, bool withExtension);

/// True when the text holds any of ? / \ < > * | : " (the characters no file name may hold).
bool HasForbiddenChar(NativePathView text);

/// True for an absolute path whose file name is not empty and holds no forbidden character.
bool IsValidFilePath(NativePathView path);

/// The path as a new file takes it: trailing dots and spaces of its name are dropped, as
/// Windows drops them (p1. is stored as p1).
NativePath StoredPath(NativePathView path);

/// The path with its extension replaced by newExtension, or with newExtension appended when
/// it has none (a.tar.gz with .jpg gives a.tar.jpg).
NativePath PathWithExtension(NativePathView path, NativePathView newExtension);

/// A text typed in the window (UTF-8) as part of a path in the platform's own form.
NativePath NativePathFromUtf8(std::string_view utf8);

/// An ASCII text in the platform's own form.
NativePath NativeFromAscii(std::string_view ascii);

/// A number in decimal, in the platform's own form.
NativePath NativeDecimal(long long number);

} // namespace velmora
