#pragma once

#include <functional>
#include <string_view>

namespace velmora {

/// One entry of the program's list files, a line "number=first，second". Without "，" the two
/// fields stay empty.
struct ListFileLine
{
    std::u16string_view number;
    std::u16string_view first;
    std::u16string_view second;
};

/// Reads a list file's stored bytes: up to the first NUL, the header line skipped, every line
/// holding "=" handed on in file order, split at the first "=" and the first "，" after it, so
/// that commas later in the line stay in the second field. Lines without "=" are no entries.
void ForEachListFileLine(std::string_view stored, const std::function<void(const ListFileLine&)>& each);

} // namespace velmora
