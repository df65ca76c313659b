#pragma once

#include <filesystem>

#include <QObject>

#include "app/program_state.h"
#include "app/services.h"

class QWidget;

namespace velmora {

class SettingsPage;

/// The main window's look: the theme chosen on the settings page and kept in the settings file,
/// and the window's transparency set by the page's slider.
class Appearance final : public QObject
{
    Q_OBJECT

public:
    Appearance(QWidget& window, SettingsPage& page, ProgramState& state, const Services& services);

    /// Settles which skin engine library the themes go to (see LocateSkinEngine).
    void LocateSkinEngine(const std::filesystem::path& configuredPath);
    /// The library beside the program, as the main window configures it.
    std::filesystem::path SkinEngineBesideProgram() const;

    /// Chooses theme n (1..12) and stores the choice.
    void ApplyTheme(int theme);
    /// Applies the theme stored in the settings file, when it is exactly one of the themes.
    void RestoreTheme();
    /// Makes the window as see-through as the slider says and shows the alpha in the label.
    void SetTransparencyFromSlider();

private:
    QWidget& m_window;
    SettingsPage& m_page;
    ProgramState& m_state;
    Services m_services;
};

} // namespace velmora
