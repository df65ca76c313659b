#pragma once

#include <deque>
#include <filesystem>
#include <optional>

#include "platform/file_dialog.h"

namespace velmora {

/// A file dialog that gives the answers a test lined up, one per showing; nothing (a cancel)
/// once they are used up. Counts how often it was shown.
class ScriptedFileDialog final : public FileDialog
{
public:
    std::optional<std::filesystem::path> ChooseFileToOpen() override
    {
        ++shown;
        if (answers.empty())
            return std::nullopt;
        std::optional<std::filesystem::path> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<std::filesystem::path>> answers;
    int shown = 0;
};

} // namespace velmora
