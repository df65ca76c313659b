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

Q_SIGNALS:
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
