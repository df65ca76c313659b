#include "app/theme.h"

#include "app/data_folder.h"
#include "app/ini_file.h"
#include "app/settings_keys.h"
#include "app/skin_engine.h"

namespace velmora {

namespace {
constexpr std::string_view kSettingValues[kThemeCount] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "", "11", "12"};
} // namespace

std::string_view ThemeSettingValue(int theme)
{
    return kSettingValues[theme - 1];
}

std::optional<int> ThemeFromSettingValue(std::string_view stored)
{
    for (int theme = 1; theme <= kThemeCount; ++theme) {
        if (ThemeSettingValue(theme) == stored)
            return theme;
    }
    return std::nullopt;
}

void ApplyTheme(int theme, const ThemeSkinSource& themeSkin, ProgramState& state, FileSystem& files,
                SkinEngineLoader& loader)
{
    if (theme != kDefaultTheme)
        state.currentSkin = themeSkin(theme);
    AttachSkin(files, loader, state.skinEnginePath, state.currentSkin);
    IniWrite(files, SettingsFile(), StartSection(), ThemeKey(), ThemeSettingValue(theme));
}

void RestoreTheme(const ThemeSkinSource& themeSkin, ProgramState& state, FileSystem& files, SkinEngineLoader& loader)
{
    state.themeText = IniRead(files, SettingsFile(), StartSection(), ThemeKey());
    if (const std::optional<int> theme = ThemeFromSettingValue(state.themeText))
        ApplyTheme(*theme, themeSkin, state, files, loader);
}

} // namespace velmora
