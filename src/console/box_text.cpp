#include "console/box_text.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "app/qt_text.h"

namespace velmora {
namespace {
QString ShownText(std::string_view text)
{
    return ToQString(ReplaceText(text, "\r\n", "\n"));
}
} // namespace

Text BoxText(const QPlainTextEdit* box)
{
    return ReplaceText(ToText(box->toPlainText()), "\n", "\r\n");
}

void SetBoxText(QPlainTextEdit* box, std::string_view text)
{
    box->setPlainText(ShownText(text));
}

void AppendBoxText(QPlainTextEdit* box, std::string_view text)
{
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(ShownText(text));
    box->ensureCursorVisible();
}

} // namespace velmora
