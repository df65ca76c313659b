// INI files by the rules of GetPrivateProfileStringA / WritePrivateProfileStringA.
//
// Lines end in LF or CR LF (a lone CR is part of the line). Blanks (ASCII white space) around a
// line, around a section name inside its brackets, around a key and around a value are ignored.
// A line whose first character is '[' and that holds a ']' is a section line; its name lies
// between the '[' and the last ']'. Inside a section, a line holding '=' is a key line (the first
// '=' ends the key); any other line is not a key. Names match without regard to the case of the
// ASCII letters; the bytes of a double-byte character of code page 936 (a lead byte 81..FE and a
// trail byte 40..FE, which may look like an ASCII letter or ']') are compared exactly. Only the
// first section of a name is searched, and its first line of a key counts.
//
// Writing keeps every byte of the content except the one line that is replaced or the place
// where a line is added. Values are written up to their first CR, LF or NUL byte: a line break
// inside a value would split the line and corrupt the file, and Windows reads the value as a C
// string anyway. The same cut applies to section and key names; when one of them is then empty
// nothing is written.

#include "app/ini_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

namespace {

/// GetPrivateProfileStringA's buffer of 10240 bytes, one of which holds the terminating zero.
constexpr std::size_t kMaxValueBytes = 10239;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

/// True when a double-byte character of code page 936 starts at byte at.
bool IsDoubleByte(std::string_view text, std::size_t at)
{
    if (at + 1 >= text.size()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(text[at]);
    const auto trail = static_cast<unsigned char>(text[at + 1]);
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE;
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t at = 0; at < a.size();) {
        if (IsDoubleByte(a, at)) {
            if (a[at] != b[at] || a[at + 1] != b[at + 1]) {
                return false;
            }
            at += 2;
        } else {
            if (FoldAscii(a[at]) != FoldAscii(b[at])) {
                return false;
            }
            ++at;
        }
    }
    return true;
}

/// The text up to its first CR, LF or NUL byte.
std::string_view CutAtLineBreak(std::string_view text)
{
    return text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)));
}

struct Line
{
    std::size_t begin = 0; ///< first byte
    std::size_t end = 0;   ///< one past the last byte before the line end (CR LF or LF)
    std::size_t next = 0;  ///< first byte of the following line; == end when there is no line end
};

std::vector<Line> SplitLines(std::string_view content)
{
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < content.size()) {
        const std::size_t lineFeed = content.find('\n', begin);
        Line line;
        line.begin = begin;
        if (lineFeed == std::string_view::npos) {
            line.end = line.next = content.size();
        } else {
            line.end = lineFeed > begin && content[lineFeed - 1] == '\r' ? lineFeed - 1 : lineFeed;
            line.next = lineFeed + 1;
        }
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

std::string_view LineText(std::string_view content, const Line& line)
{
    return Trim(content.substr(line.begin, line.end - line.begin));
}

/// The name of a section line (trimmed line text), or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view text)
{
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    std::optional<std::size_t> close;
    for (std::size_t at = 1; at < text.size();) {
        if (IsDoubleByte(text, at)) {
            at += 2;
        } else {
            if (text[at] == ']') {
                close = at;
            }
            ++at;
        }
    }
    if (!close) {
        return std::nullopt;
    }
    return Trim(text.substr(1, *close - 1));
}

struct KeyEntry
{
    std::string_view key;
    std::string_view value;
};

/// The key and value of a key line (trimmed line text that is no section line).
std::optional<KeyEntry> KeyLine(std::string_view text)
{
    // '=' (3D) is below every trail byte, so it never hides inside a double-byte character.
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyEntry{Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

Text ValueText(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (value.size() > kMaxValueBytes) {
        // Cut whole characters only: a double-byte character that would lose its trail byte goes.
        std::size_t kept = 0;
        while (kept < kMaxValueBytes) {
            const std::size_t width = IsDoubleByte(value, kept) ? 2 : 1;
            if (kept + width > kMaxValueBytes) {
                break;
            }
            kept += width;
        }
        value = value.substr(0, kept);
    }
    return Text(value);
}

/// Where a section and a key stand in the content.
struct Location
{
    std::optional<std::size_t> section; ///< index of the first matching section line
    std::optional<std::size_t> key;     ///< index of its first matching key line
    std::optional<std::size_t> lastKey; ///< index of its last key line of any name
};

Location Locate(std::string_view content, const std::vector<Line>& lines, std::string_view section,
                std::string_view key)
{
    Location found;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string_view text = LineText(content, lines[index]);
        if (const std::optional<std::string_view> name = SectionName(text)) {
            if (found.section) {
                break; // the end of the first matching section
            }
            if (NamesEqual(*name, section)) {
                found.section = index;
            }
            continue;
        }
        if (!found.section) {
            continue;
        }
        if (const std::optional<KeyEntry> entry = KeyLine(text)) {
            found.lastKey = index;
            if (!found.key && NamesEqual(entry->key, key)) {
                found.key = index;
            }
        }
    }
    return found;
}

template <typename Char>
std::basic_string_view<Char> SkipControlsAndSpaces(std::basic_string_view<Char> text)
{
    while (!text.empty() && text.front() >= 1 && text.front() <= 32) {
        text.remove_prefix(1);
    }
    return text;
}

} // namespace

Text IniLookup(std::string_view content, std::string_view section, std::string_view key)
{
    section = Trim(section);
    key = Trim(key);
    if (key.empty()) {
        return {};
    }
    const std::vector<Line> lines = SplitLines(content);
    const Location found = Locate(content, lines, section, key);
    if (!found.key) {
        return {};
    }
    return ValueText(KeyLine(LineText(content, lines[*found.key]))->value);
}

std::string IniAssign(std::string_view content, std::string_view section, std::string_view key, std::string_view value)
{
    section = Trim(CutAtLineBreak(section));
    key = Trim(CutAtLineBreak(key));
    value = CutAtLineBreak(value);
    if (section.empty() || key.empty()) {
        return std::string(content);
    }

    std::string keyLine;
    keyLine.append(key).append("=").append(value);

    const std::vector<Line> lines = SplitLines(content);
    const Location found = Locate(content, lines, section, key);
    std::string result;
    result.reserve(content.size() + section.size() + keyLine.size() + 8);

    if (found.key) {
        // The line becomes "key=value" with the caller's spelling; its line end stays.
        const Line& line = lines[*found.key];
        result.append(content.substr(0, line.begin)).append(keyLine).append(content.substr(line.end));
    } else if (found.section) {
        // After the last key line of the section (so before the blank lines and comments that
        // close it), or right after the section line when it has no key yet.
        const Line& after = lines[found.lastKey.value_or(*found.section)];
        result.append(content.substr(0, after.next));
        if (after.next == after.end) { // the last line, without a line end
            result.append("\r\n");
        }
        result.append(keyLine).append("\r\n").append(content.substr(after.next));
    } else {
        result.append(content);
        if (!content.empty() && content.back() != '\n') {
            result.append("\r\n");
        }
        result.append("[").append(section).append("]\r\n").append(keyLine).append("\r\n");
    }
    return result;
}

Text IniRead(const FileSystem& files, const std::filesystem::path& file, std::string_view section, std::string_view key)
{
    const auto fileName =
        SkipControlsAndSpaces(std::basic_string_view<std::filesystem::path::value_type>(file.native()));
    section = SkipControlsAndSpaces(section);
    key = SkipControlsAndSpaces(key);
    if (fileName.empty() || section.empty() || key.empty()) {
        return {};
    }
    const std::optional<std::string> content = files.ReadFile(std::filesystem::path(fileName));
    if (!content) {
        return {};
    }
    return IniLookup(*content, section, key);
}

bool IniWrite(FileSystem& files, const std::filesystem::path& file, std::string_view section, std::string_view key,
              std::string_view value)
{
    if (Trim(CutAtLineBreak(section)).empty() || Trim(CutAtLineBreak(key)).empty()) {
        return false;
    }
    // A missing file counts as empty; it is created by the write. One that exists but cannot be
    // read is left alone rather than replaced by this single line.
    const std::optional<std::string> content = files.ReadFile(file);
    if (!content && files.Exists(file)) {
        return false;
    }
    return files.WriteFile(file, IniAssign(content.value_or(std::string()), section, key, value));
}

} // namespace velmora
