#include "app/appearance.h"

#include <QLabel>
#include <QSlider>

#include "app/qt_text.h"
#include "app/settings_page.h"
#include "app/skin_engine.h"
#include "app/theme.h"
#include "app/theme_skins.h"
#include "app/window_alpha.h"
#include "app/window_transparency.h"

namespace velmora {

Appearance::Appearance(QWidget& window, SettingsPage& page, ProgramState& state, const Services& services)
    : QObject(&window), m_window(window), m_page(page), m_state(state), m_services(services)
{
    connect(&m_page, &SettingsPage::ThemeClicked, this, &Appearance::ApplyTheme);
    connect(m_page.TransparencySlider(), &QSlider::valueChanged, this, &Appearance::SetTransparencyFromSlider);
}

void Appearance::LocateSkinEngine(const std::filesystem::path& configuredPath)
{
    m_state.skinEnginePath = velmora::LocateSkinEngine(m_services.files, m_services.skinEngine, configuredPath);
}

std::filesystem::path Appearance::SkinEngineBesideProgram() const
{
    return m_services.skinEngine.ProgramFolder() / SkinEngineFileName();
}

void Appearance::ApplyTheme(int theme)
{
    velmora::ApplyTheme(theme, ThemeSkin, m_state, m_services.files, m_services.skinEngine);
}

void Appearance::RestoreTheme()
{
    velmora::RestoreTheme(ThemeSkin, m_state, m_services.files, m_services.skinEngine);
}

void Appearance::SetTransparencyFromSlider()
{
    m_state.windowAlpha = AlphaFromSliderPosition(m_page.TransparencySlider()->value());
    SetWindowAlpha(&m_window, m_state.windowAlpha);
    m_page.TransparencyLabel()->setText(ToQString(TransparencyLabelText(m_state.windowAlpha)));
}

} // namespace velmora
