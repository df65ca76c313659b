#pragma once

#include <string_view>

namespace velmora {

/// A new content for a file, written piece by piece into a new file beside it that takes the
/// file's name only when Commit succeeds; until then, and whenever a step fails, the file keeps
/// its old content. Dropped without a successful Commit, the new file is removed.
class FileReplacement
{
public:
    virtual ~FileReplacement() = default;

    /// Appends bytes to the new content; false when they could not all be written, after which
    /// Commit fails too.
    virtual bool Append(std::string_view bytes) = 0;

    /// Gives the file the new content; false when that fails, the old content staying.
    virtual bool Commit() = 0;
};

} // namespace velmora
