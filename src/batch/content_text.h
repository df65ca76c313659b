#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "web/text.h"

namespace velmora {

/// How the bytes of a file are read as text.
enum class ContentEncoding
{
    Utf8,        // the bytes are valid UTF-8
    CodePage936, // anything else: code page 936, double-byte characters stepped over
};

/// UTF-8 for bytes that are valid UTF-8 (plain ASCII included), code page 936 for any other.
ContentEncoding EncodingOf(std::string_view bytes);

/// The text of a file: its bytes up to the first zero byte.
std::string_view TextOfContent(std::string_view bytes);

/// A text typed in the window (UTF-8) in the given encoding, or nothing when the encoding cannot
/// hold it exactly (then it can never be found in such a file).
std::optional<std::string> ExactlyIn(std::string_view utf8, ContentEncoding encoding);

/// A text typed in the window (UTF-8) in the given encoding; characters code page 936 lacks
/// become what Windows writes for them.
std::string BestFitIn(std::string_view utf8, ContentEncoding encoding);

/// A text of the given encoding as UTF-8.
std::string Utf8Of(std::string_view text, ContentEncoding encoding);

/// The pieces of a text between separators, as SplitText gives them; in code page 936 a
/// separator never matches inside a double-byte character.
std::vector<std::string> SplitContent(std::string_view text, std::string_view separator, ContentEncoding encoding);

/// Calls visit with each of the pieces SplitContent gives, in order, as views into text.
void ForEachContentPiece(std::string_view text, std::string_view separator, ContentEncoding encoding,
                         const std::function<void(std::string_view piece)>& visit);

/// The number of pieces SplitContent gives.
int CountContentPieces(std::string_view text, std::string_view separator, ContentEncoding encoding);

/// Every occurrence of oldText replaced by newText, left to right without overlaps and
/// case-sensitive; in code page 936 a match never starts inside a double-byte character.
std::string ReplaceContent(std::string_view text, std::string_view oldText, std::string_view newText,
                           ContentEncoding encoding);

} // namespace velmora
