#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "app/program_state.h"
#include "platform/file_system.h"
#include "platform/skin_engine_loader.h"

namespace velmora {

/// The themes are numbered 1 to 12 in the order of their buttons.
inline constexpr int kThemeCount = 12;
/// "简约默认": brings back the skin chosen last instead of a skin of its own.
inline constexpr int kDefaultTheme = 10;

/// The skin of theme n, as the program carries it.
using ThemeSkinSource = std::function<ByteString(int theme)>;

/// What the settings file keeps for theme n (1..12): its number, and "" for the default theme.
std::string_view ThemeSettingValue(int theme);

/// The theme whose stored value is exactly this text, or nothing for any other text.
std::optional<int> ThemeFromSettingValue(std::string_view stored);

/// Chooses theme n: its skin becomes the current skin (the default theme keeps the current one)
/// and goes to the skin engine, and the choice is written to the settings file whether the
/// engine took it or not.
void ApplyTheme(int theme, const ThemeSkinSource& themeSkin, ProgramState& state, FileSystem& files,
                SkinEngineLoader& loader);

/// Reads the stored theme at start-up into themeText and applies it when it is exactly one of
/// the themes' values; any other text applies nothing.
void RestoreTheme(const ThemeSkinSource& themeSkin, ProgramState& state, FileSystem& files, SkinEngineLoader& loader);

} // namespace velmora
