#include "batch/path_rules.h"

namespace velmora {

namespace {

// In the platform's own encoding no separator, dot or forbidden character can hide inside a
// multi-byte character, so plain searches step over those characters by themselves.
std::size_t NameStart(NativePathView path)
{
    const auto last = path.rfind(kSeparator);
    return last == NativePathView::npos ? 0 : last + 1;
}

} // namespace

NativePath FolderOfPath(NativePathView path)
{
    const auto last = path.rfind(kSeparator);
    if (last == NativePathView::npos)
        return {};
    return NativePath(path.substr(0, last + 1));
}

NativePath WithTrailingSeparator(NativePathView folder)
{
    NativePath result(folder);
    if (result.empty() || result.back() != kSeparator)
        result += kSeparator;
    return result;
}

NativePath ExtensionOfPath(NativePathView path)
{
    std::size_t dot = NativePathView::npos;
    for (std::size_t at = NameStart(path); at < path.size(); ++at) {
        if (path[at] == '.')
            dot = at;
        else if (path[at] == ' ')
            dot = NativePathView::npos;
    }
    return dot == NativePathView::npos ? NativePath() : NativePath(path.substr(dot));
}

NativePath FileNameOfPath(NativePathView path, bool withExtension)
{
    const NativePathView name = path.substr(NameStart(path));
    if (withExtension)
        return NativePath(name);
    return NativePath(name.substr(0, name.size() - ExtensionOfPath(name).size()));
}

bool HasForbiddenChar(NativePathView text)
{
    return text.find_first_of(NativeFromAscii("?/\\<>*|:\"")) != NativePathView::npos;
}

bool IsValidFilePath(NativePathView path)
{
    if (!std::filesystem::path(path).is_absolute())
        return false;
    const NativePath name = FileNameOfPath(path, true);
    return !name.empty() && !HasForbiddenChar(name);
}

NativePath StoredPath(NativePathView path)
{
    const std::size_t nameStart = NameStart(path);
    std::size_t end = path.size();
    while (end > nameStart && (path[end - 1] == '.' || path[end - 1] == ' '))
        --end;
    return NativePath(path.substr(0, end));
}

NativePath PathWithExtension(NativePathView path, NativePathView newExtension)
{
    const NativePath oldExtension = ExtensionOfPath(path);
    return NativePath(path.substr(0, path.size() - oldExtension.size())) + NativePath(newExtension);
}

NativePath NativePathFromUtf8(std::string_view utf8)
{
    if constexpr (sizeof(NativePath::value_type) == 1) {
        return NativePath(utf8.begin(), utf8.end());
    } else {
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).native();
    }
}

NativePath NativeFromAscii(std::string_view ascii)
{
    return NativePath(ascii.begin(), ascii.end());
}

NativePath NativeDecimal(long long number)
{
    return NativeFromAscii(std::to_string(number));
}

} // namespace velmora
