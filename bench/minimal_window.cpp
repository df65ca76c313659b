// The least a Qt Widgets program does to show one window: the reference for start-up time,
// peak memory and idle CPU. It says "shown" when its window is, and ends then unless given
// --stay.

#include <cstring>

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "shown.h"

namespace {

class ShownWindow final : public QWidget
{
public:
    explicit ShownWindow(bool stay) : m_stay(stay) {}

protected:
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        SayShown(m_stay);
    }

private:
    bool m_stay;
};

} // namespace

int main(int argc, char** argv)
{
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    QApplication application(argc, argv);
    ShownWindow window(stay);
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
