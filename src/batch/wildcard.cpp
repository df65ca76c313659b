#include "batch/wildcard.h"

#include <vector>

namespace velmora {

namespace {

// Windows turns a search pattern into these before matching, and so do we.
enum class Token
{
    Literal,
    Star,    // any run of characters
    DosStar, // * before a dot: any run that does not take the name's last dot
    DosQm,   // ?: one character other than a dot, or none before a dot or the end
    DosDot,  // a dot before a wildcard or the end: a dot, or nothing at the end
};

struct PatternItem
{
    Token token = Token::Literal;
    char32_t character = 0;
};

char32_t FoldCase(char32_t character)
{
    return character >= U'a' && character <= U'z' ? character - (U'a' - U'A') : character;
}

// Characters of a name in the platform's own form. Bytes that form no UTF-8 character stand
// for themselves, so names that are not UTF-8 still match their literal bytes.
std::vector<char32_t> CharactersOf(NativePathView text)
{
    std::vector<char32_t> characters;
    if constexpr (sizeof(NativePath::value_type) != 1) {
        for (const auto unit : text)
            characters.push_back(FoldCase(static_cast<char32_t>(unit)));
        return characters;
    }
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            characters.push_back(FoldCase(lead));
            ++at;
            continue;
        }
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t character = lead;
        bool valid = length > 1 && at + length <= text.size();
        if (valid) {
            character = lead & (0x7F >> length);
            for (std::size_t i = 1; i < length && valid; ++i) {
                const auto next = static_cast<unsigned char>(text[at + i]);
                valid = (next & 0xC0) == 0x80;
                character = (character << 6) | (next & 0x3F);
            }
        }
        if (!valid) {
            characters.push_back(0xDC00 + lead); // a lone byte, kept apart from real characters
            ++at;
            continue;
        }
        characters.push_back(FoldCase(character));
        at += length;
    }
    return characters;
}

std::vector<PatternItem> PatternItems(NativePathView pattern)
{
    const std::vector<char32_t> characters = CharactersOf(pattern);
    if (characters == std::vector<char32_t>{U'*', U'.', U'*'})
        return {{Token::Star, 0}};
    std::vector<PatternItem> items;
    for (std::size_t at = 0; at < characters.size(); ++at) {
        const char32_t character = characters[at];
        const char32_t next = at + 1 < characters.size() ? characters[at + 1] : 0;
        if (character == U'?')
            items.push_back({Token::DosQm, 0});
        else if (character == U'*')
            items.push_back({next == U'.' ? Token::DosStar : Token::Star, 0});
        else if (character == U'.' && (next == U'?' || next == U'*' || next == 0))
            items.push_back({Token::DosDot, 0});
        else
            items.push_back({Token::Literal, character});
    }
    return items;
}

} // namespace

bool MatchesWildcard(NativePathView name, NativePathView pattern)
{
    const std::vector<PatternItem> items = PatternItems(pattern);
    const std::vector<char32_t> characters = CharactersOf(name);
    const std::size_t count = characters.size();
    std::size_t lastDot = count;
    for (std::size_t at = 0; at < count; ++at) {
        if (characters[at] == U'.')
            lastDot = at;
    }

    // matches[n]: the pattern from item p on matches the name from character n on; filled from
    // the last item backwards, one row at a time.
    std::vector<char> matches(count + 1, 0);
    matches[count] = 1;
    for (std::size_t p = items.size(); p-- > 0;) {
        const PatternItem& item = items[p];
        std::vector<char> row(count + 1, 0);
        for (std::size_t n = count + 1; n-- > 0;) {
            const bool atEnd = n == count;
            const bool atDot = !atEnd && characters[n] == U'.';
            switch (item.token) {
            case Token::Literal:
                row[n] = !atEnd && characters[n] == item.character && matches[n + 1];
                break;
            case Token::Star:
                row[n] = matches[n] || (!atEnd && row[n + 1]);
                break;
            case Token::DosStar:
                row[n] = matches[n] || (!atEnd && n != lastDot && row[n + 1]);
                break;
            case Token::DosQm:
                row[n] = ((atEnd || atDot) && matches[n]) || (!atEnd && !atDot && matches[n + 1]);
                break;
            case Token::DosDot:
                row[n] = (atEnd && matches[n]) || (atDot && matches[n + 1]);
                break;
            }
        }
        matches = std::move(row);
    }
    return matches[0] != 0;
}

} // namespace velmora
