#include "batch/path_rules.h"

namespace velmora {

namespace {

// In the platform's own encoding no separator, dot or forbidden character can hide inside a
// multi-byte character, so plain searches step over those characters by themselves.
std::size_t NameStart(NativePathView path, const PathRules& rules)
{
    const NativePath::value_type separators[] = {rules.separator, rules.alternativeSeparator};
    const auto last = path.find_last_of(NativePathView(separators, 2));
    return last == NativePathView::npos ? 0 : last + 1;
}

bool IsAsciiLetter(NativePath::value_type c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool HoldsDriveColon(NativePathView path)
{
    return path.find(NativeFromAscii(":\\")) != NativePathView::npos ||
           path.find(NativeFromAscii(":/")) != NativePathView::npos;
}

bool IsAbsolutePath(NativePathView path, const PathRules& rules)
{
    if (path.empty())
        return false;
    if (rules.absolute == AbsolutePathRule::LeadingSeparator)
        return path.front() == rules.separator;
    // The colon may stand anywhere; a doubled or odd form is left to the system to refuse.
    return IsAsciiLetter(path.front()) && HoldsDriveColon(path);
}

} // namespace

NativePath FolderOfPath(NativePathView path, const PathRules& rules)
{
    const auto last = path.rfind(rules.separator);
    if (last == NativePathView::npos)
        return {};
    return NativePath(path.substr(0, last + 1));
}

NativePath WithTrailingSeparator(NativePathView folder, const PathRules& rules)
{
    NativePath result(folder);
    if (result.empty() || result.back() != rules.separator)
        result += rules.separator;
    return result;
}

NativePath ExtensionOfPath(NativePathView path, const PathRules& rules)
{
    std::size_t dot = NativePathView::npos;
    for (std::size_t at = NameStart(path, rules); at < path.size(); ++at) {
        if (path[at] == '.')
            dot = at;
        else if (path[at] == ' ')
            dot = NativePathView::npos;
    }
    return dot == NativePathView::npos ? NativePath() : NativePath(path.substr(dot));
}

NativePath FileNameOfPath(NativePathView path, bool withExtension, const PathRules& rules)
{
    const NativePathView name = path.substr(NameStart(path, rules));
    if (withExtension)
        return NativePath(name);
    return NativePath(name.substr(0, name.size() - ExtensionOfPath(name, rules).size()));
}

bool HasForbiddenChar(NativePathView text)
{
    return text.find_first_of(NativeFromAscii("?/\\<>*|:\"")) != NativePathView::npos;
}

bool IsValidFilePath(NativePathView path, const PathRules& rules)
{
    if (!IsAbsolutePath(path, rules))
        return false;
    const NativePath name = FileNameOfPath(path, true, rules);
    return !name.empty() && !HasForbiddenChar(name);
}

NativePath StoredPath(NativePathView path, const PathRules& rules)
{
    const std::size_t nameStart = NameStart(path, rules);
    std::size_t end = path.size();
    while (end > nameStart && (path[end - 1] == '.' || path[end - 1] == ' '))
        --end;
    return NativePath(path.substr(0, end));
}

NativePath PathWithExtension(NativePathView path, NativePathView newExtension, const PathRules& rules)
{
    const NativePath oldExtension = ExtensionOfPath(path, rules);
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
