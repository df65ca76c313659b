#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace velmora {

/// Page 5: the window's transparency, the themes and the configuration line.
class SettingsPage final : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(QWidget* parent = nullptr);

    /// The update page, the version and the running time, rewritten every second.
    QLineEdit* ConfigurationLine() const { return m_configurationLine; }
    /// Sets the window's transparency, 1 (nearly opaque) to 100 (invisible).
    QSlider* TransparencySlider() const { return m_transparencySlider; }
    /// Shows the alpha the slider set last.
    QLabel* TransparencyLabel() const { return m_transparencyLabel; }

Q_SIGNALS:
    /// The user clicked the radio button of a theme, numbered 1 to 12.
    void ThemeClicked(int theme);
    /// The configuration line was double-clicked.
    void ConfigurationLineDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_transparencyLabel;
    QSlider* m_transparencySlider;
    QGroupBox* m_themeGroup;
    QLineEdit* m_configurationLine;
};

} // namespace velmora
