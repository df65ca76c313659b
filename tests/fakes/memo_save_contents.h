#pragma once

#include <string>
#include <vector>

#include "memo/memo_file.h"

namespace velmora {

/// One of two sets of notes, large enough that writing one takes many system calls and of
/// different sizes, so that any mix of the two shows.
inline std::vector<MemoNote> MemoSaveNotes(bool first)
{
    std::vector<MemoNote> notes;
    const int count = first ? 2000 : 3000;
    for (int i = 0; i < count; ++i)
        notes.push_back({std::to_string(i), first ? "old" : "new", std::string(first ? 40 : 25, first ? 'a' : 'b')});
    return notes;
}

} // namespace velmora
