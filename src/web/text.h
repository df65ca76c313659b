#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

/// Text of the program: bytes in code page 936. Lengths and positions count bytes and positions
/// are 1-based. A byte of 0x80 or more followed by a non-zero byte is one double-byte character,
/// and searches never match inside one.
using Text = std::string;

/// Bytes with an explicit length, zero bytes allowed: file contents, web answers, skin data.
using ByteString = std::string;

/// Position of the first occurrence of pattern that begins on a character at or after byte
/// start (below 1 counts as 1; a start on the second byte of a double-byte character searches
/// from the next character), or -1; an empty pattern is never found. With ignoreCase, ASCII
/// letters that are characters of their own match without regard to case.
int FindText(std::string_view text, std::string_view pattern, int start = 1, bool ignoreCase = false);

/// The first min(n, length) bytes; "" when n <= 0.
Text LeftText(std::string_view text, int n);

/// The last min(n, length) bytes; "" when n <= 0.
Text RightText(std::string_view text, int n);

/// Up to n bytes from position start; "" when start lies outside the text or n <= 0.
Text MidText(std::string_view text, int start, int n);

/// The text without leading and trailing blanks (the ASCII space and the full-width space A1 A1).
Text TrimBlanks(std::string_view text);

/// The text with every blank removed.
Text RemoveBlanks(std::string_view text);

/// The pieces between separators. Adjacent separators give an empty piece; a trailing separator
/// adds nothing; an empty text gives no pieces; an empty separator gives the whole text.
std::vector<Text> SplitText(std::string_view text, std::string_view separator);

/// Calls visit with each of the pieces SplitText gives, in order, as views into text.
void ForEachTextPiece(std::string_view text, std::string_view separator,
                      const std::function<void(std::string_view piece)>& visit);

/// The text with every occurrence of oldText replaced by newText, scanning on after each
/// replacement; an empty oldText or text leaves it unchanged.
Text ReplaceText(std::string_view text, std::string_view oldText, std::string_view newText = {},
                 bool caseSensitive = true);

} // namespace velmora
