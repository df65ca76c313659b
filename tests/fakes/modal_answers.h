#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace velmora {

/// Answers the modal boxes a test provokes, as a user would: message boxes are confirmed (after
/// an optional action runs inside the first one), input boxes get the given text or are
/// cancelled. Every box seen is recorded.
class ModalAnswers
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon; // of message boxes
    };

    /// Text typed into input boxes; none cancels them.
    std::optional<QString> input;
    /// Runs once, inside the first message box, before it is confirmed.
    std::function<void()> insideFirstMessageBox;
    std::vector<Seen> seen;

    ModalAnswers()
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { Answer(); });
        m_poll.start();
    }

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_answering)
            return;
        m_answering = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.push_back({box->windowTitle(), box->text(), box->icon()});
            if (auto inside = std::exchange(insideFirstMessageBox, nullptr))
                inside();
            box->accept();
        } else if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
            seen.push_back({dialog->windowTitle(), dialog->labelText()});
            if (input) {
                dialog->setTextValue(*input);
                dialog->accept();
            } else {
                dialog->reject();
            }
        }
    }

    QTimer m_poll;
    QPointer<QWidget> m_answering;
};

} // namespace velmora
