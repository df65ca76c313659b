#include "memo/memo_page.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <linux/fs.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fakes/fake_services.h"
#include "platform/system_services.h"
#include "support/file_bytes.h"
#include "test_paths.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;
namespace fs = std::filesystem;

void CopyFixture(const char* name, const fs::path& to)
{
    fs::create_directories(to.parent_path());
    fs::copy_file(fs::path(VELMORA_TEST_DATA_DIR) / "memo" / name, to, fs::copy_options::overwrite_existing);
}

bool CanCreateFileIn(const fs::path& folder)
{
    const fs::path probe = folder / "probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

// Makes a folder unwritable for this process until it goes out of scope: read-only permission
// bits, and for a privileged process, which ignores those, the immutable attribute.
class UnwritableFolder
{
public:
    explicit UnwritableFolder(fs::path folder) : m_folder(std::move(folder))
    {
        fs::permissions(m_folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        if (CanCreateFileIn(m_folder))
            m_immutable = SetImmutable(true);
    }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;
    ~UnwritableFolder()
    {
        if (m_immutable)
            SetImmutable(false);
        fs::permissions(m_folder, fs::perms::owner_write, fs::perm_options::add);
    }

    bool Holds() const { return !CanCreateFileIn(m_folder); }

private:
    bool SetImmutable(bool on) const
    {
        const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }

    fs::path m_folder;
    bool m_immutable = false;
};

// What a message box showed before the test pressed its OK button.
struct SeenMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs an action that opens a modal message box, answers the box with OK and tells what it showed.
std::optional<SeenMessage> AnswerMessageBox(const std::function<void()>& action)
{
    std::optional<SeenMessage> seen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = SeenMessage{box->windowTitle(), box->text(), box->icon()};
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(10);
    action();
    return seen;
}

// The memo page alone, shown and active, on a memo file in a folder of its own.
class MemoPageTest : public testing::Test
{
protected:
    MemoPageTest()
    {
        m_page.resize(440, 280);
        m_page.show();
        m_page.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_page));
    }

    fs::path Folder() const { return fs::path(m_folder.path().toStdString()); }
    fs::path File() const { return Folder() / fs::path(u8"备忘.ini"); }

    QTreeWidget* List() { return m_page.MemoList(); }
    QLineEdit* Editor() { return m_page.findChild<QLineEdit*>(u"编辑框6"_s); }
    QWidget* Viewport() { return List()->viewport(); }

    void Choose(const QString& command)
    {
        auto* menu = m_page.findChild<QMenu*>(u"笔记"_s);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == command) {
                action->trigger();
                return;
            }
        }
        FAIL() << command.toStdString();
    }

    void AddRows(int count)
    {
        for (int row = 0; row < count; ++row)
            Choose(u"增加数据"_s);
    }

    QString Cell(int row, int column) { return List()->topLevelItem(row)->text(column); }

    // The rows as the list shows them, cell by cell.
    std::vector<QStringList> Rows()
    {
        std::vector<QStringList> rows;
        for (int row = 0; row < List()->topLevelItemCount(); ++row)
            rows.push_back({Cell(row, 0), Cell(row, 1), Cell(row, 2)});
        return rows;
    }

    QRect CellRect(int row, int column) { return List()->visualRect(List()->model()->index(row, column)); }

    QPoint CellCentre(int row, int column) { return CellRect(row, column).center(); }

    void DoubleClickCell(int row, int column)
    {
        QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }

    // Typed as an input method hands over text, which covers Chinese and emoji alike.
    void Type(const QString& text)
    {
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(Editor(), &typed);
    }

    void PressEnter() { QTest::keyClick(Editor(), Qt::Key_Return); }

    QTemporaryDir m_folder;
    std::unique_ptr<FileSystem> m_files = CreateSystemFileSystem();
    MemoPage m_page{*m_files, File()};
};

TEST_F(MemoPageTest, ListShowsThreeColumnsInItsColoursAndARightClickPopsUpTheMenu)
{
    ASSERT_EQ(List()->columnCount(), 3);
    EXPECT_EQ(List()->headerItem()->text(0), u"序号"_s);
    EXPECT_EQ(List()->headerItem()->text(1), u"标题"_s);
    EXPECT_EQ(List()->headerItem()->text(2), u"内容"_s);
    EXPECT_EQ(List()->columnWidth(0), 45);
    EXPECT_EQ(List()->columnWidth(1), 100);
    EXPECT_EQ(List()->columnWidth(2), 282);
    EXPECT_EQ(List()->palette().color(QPalette::Text), QColor(128, 128, 255));
    EXPECT_EQ(List()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_TRUE(Editor()->isHidden());

    auto* menu = m_page.findChild<QMenu*>(u"笔记"_s);
    ASSERT_NE(menu, nullptr);
    QStringList commands;
    for (QAction* action : menu->actions())
        commands << action->text();
    EXPECT_EQ(commands, (QStringList{u"增加数据"_s, u"删除当前"_s, u"笔记保存"_s, u"笔记清空"_s, u"笔记读取"_s}));

    const QPoint point(30, 40);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point, Viewport()->mapToGlobal(point));
    QApplication::sendEvent(Viewport(), &rightClick);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), Viewport()->mapToGlobal(point));
    menu->hide();
}

TEST_F(MemoPageTest, AddedRowsAreNumberedByTheRowCountAndDeleteRemovesTheSelectedRow)
{
    AddRows(3);
    EXPECT_EQ(Rows(), (std::vector<QStringList>{{u"0"_s, {}, {}}, {u"1"_s, {}, {}}, {u"2"_s, {}, {}}}));

    Choose(u"删除当前"_s); // nothing selected: nothing happens
    EXPECT_EQ(List()->topLevelItemCount(), 3);

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(0, 1));
    ASSERT_EQ(List()->selectedItems().size(), 1);
    Choose(u"删除当前"_s);
    Choose(u"增加数据"_s);
    // Labels, not keys: the number may repeat.
    EXPECT_EQ(Rows(), (std::vector<QStringList>{{u"1"_s, {}, {}}, {u"2"_s, {}, {}}, {u"2"_s, {}, {}}}));
}

TEST_F(MemoPageTest, EditorLiesOverTheDoubleClickedCellHoldingItsTextAllSelected)
{
    AddRows(3);
    List()->topLevelItem(1)->setText(0, u"1"_s);
    List()->topLevelItem(1)->setText(1, u"标题"_s);
    List()->topLevelItem(1)->setText(2, u"周六上午，买菜"_s);
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        DoubleClickCell(1, column);
        const QRect cell = CellRect(1, column);
        const QPoint topLeft = Viewport()->mapTo(&m_page, cell.topLeft());
        EXPECT_EQ(Editor()->geometry(), QRect(topLeft.x(), topLeft.y() + 1, List()->columnWidth(column), 24));
        EXPECT_TRUE(Editor()->isVisible());
        EXPECT_TRUE(Editor()->hasFocus());
        EXPECT_EQ(Editor()->text(), Cell(1, column));
        EXPECT_EQ(Editor()->selectedText(), Cell(1, column));
        // The list does not paint over the open editor.
        EXPECT_FALSE(List()->updatesEnabled());
        PressEnter();
        EXPECT_TRUE(Editor()->isHidden());
        EXPECT_TRUE(List()->updatesEnabled());
    }
    EXPECT_EQ(Editor()->width(), 282);
}

TEST_F(MemoPageTest, EditorFollowsAResizedColumn)
{
    AddRows(2);
    List()->header()->resizeSection(0, 80);
    List()->header()->resizeSection(1, 60);
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        DoubleClickCell(1, column);
        const QPoint topLeft = Viewport()->mapTo(&m_page, CellRect(1, column).topLeft());
        EXPECT_EQ(Editor()->geometry(), QRect(topLeft.x(), topLeft.y() + 1, List()->columnWidth(column), 24));
        PressEnter();
    }
    DoubleClickCell(0, 2);
    EXPECT_EQ(Editor()->x(), Viewport()->mapTo(&m_page, QPoint(80 + 60, 0)).x());
    PressEnter();
}

TEST_F(MemoPageTest, EnterCommitsAndALaterClickElsewhereKeepsTheNewText)
{
    AddRows(2);
    DoubleClickCell(0, 1);
    Type(u"新标题"_s);
    PressEnter();
    EXPECT_TRUE(Editor()->isHidden());
    EXPECT_EQ(Cell(0, 1), u"新标题"_s);

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(1, 2));
    EXPECT_EQ(Rows(), (std::vector<QStringList>{{u"0"_s, u"新标题"_s, {}}, {u"1"_s, {}, {}}}));
}

TEST_F(MemoPageTest, ClickingAnotherRowCommitsToTheCellBeingEdited)
{
    AddRows(2);
    DoubleClickCell(0, 2);
    Type(u"周六上午"_s);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_TRUE(Editor()->isHidden());
    EXPECT_TRUE(List()->updatesEnabled());
    EXPECT_EQ(Rows(), (std::vector<QStringList>{{u"0"_s, {}, u"周六上午"_s}, {u"1"_s, {}, {}}}));
    // The press took effect after the commit: the clicked row is the selected one.
    ASSERT_EQ(List()->selectedItems().size(), 1);
    EXPECT_EQ(List()->selectedItems().first(), List()->topLevelItem(1));
}

TEST_F(MemoPageTest, ACellKeepsOnlyTheFirstLineOfPastedText)
{
    AddRows(1);
    DoubleClickCell(0, 2);
    QApplication::clipboard()->setText(u"第一行\r\n1=第二行，x"_s);
    Editor()->paste();
    PressEnter();
    EXPECT_EQ(Cell(0, 2), u"第一行"_s);
}

TEST_F(MemoPageTest, DoubleClickOnEmptySpaceOnlyClearsTheSelection)
{
    AddRows(2);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    ASSERT_EQ(List()->selectedItems().size(), 1);
    const QPoint belowTheRows(CellCentre(1, 1).x(), CellRect(1, 1).bottom() + 40);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, belowTheRows);
    EXPECT_TRUE(List()->selectedItems().isEmpty());
    EXPECT_TRUE(Editor()->isHidden());
    EXPECT_TRUE(List()->updatesEnabled());
}

TEST_F(MemoPageTest, NotesEditedInPlaceSurviveSaveClearAndLoad)
{
    AddRows(3);
    // What the fixture holds: commas and "=" in the cells, characters code page 936 lacks.
    const std::vector<QStringList> typed = {
        {u"0"_s, u"买菜"_s, u"周六上午"_s},
        {u"1"_s, u"a=b"_s, u"含，逗号"_s},
        {u"2"_s, u"笑脸\U0001F600"_s, u"\U00020000名"_s},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 1; column < 3; ++column) {
            DoubleClickCell(row, column);
            Type(typed[row][column]);
            PressEnter();
        }
    }
    ASSERT_EQ(Rows(), typed);

    const auto saved = AnswerMessageBox([this] { Choose(u"笔记保存"_s); });
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->title, u"提示信息："_s);
    EXPECT_EQ(saved->text, u"保存成功"_s);
    EXPECT_EQ(saved->icon, QMessageBox::Information);

    Choose(u"笔记清空"_s);
    EXPECT_EQ(List()->topLevelItemCount(), 0);
    // Clearing leaves the file alone.
    EXPECT_EQ(ReadBytes(File()), ReadBytes(fs::path(VELMORA_TEST_DATA_DIR) / "memo" / "rich_notes.ini"));

    Choose(u"笔记读取"_s);
    EXPECT_EQ(Rows(), typed);
}

TEST_F(MemoPageTest, LoadReplacesEveryRowAndAMissingFileLeavesTheListEmpty)
{
    CopyFixture("two_notes.ini", File());
    AddRows(3);
    Choose(u"笔记读取"_s);
    EXPECT_EQ(Rows(), (std::vector<QStringList>{{u"0"_s, u"a"_s, u"b"_s}, {u"1"_s, u"c"_s, u"d"_s}}));

    fs::remove(File());
    Choose(u"笔记读取"_s);
    EXPECT_EQ(List()->topLevelItemCount(), 0);
}

TEST_F(MemoPageTest, SavingIntoAFolderThatCannotBeWrittenFailsAndKeepsFileAndRows)
{
    CopyFixture("two_notes.ini", File());
    AddRows(1);
    UnwritableFolder unwritable(Folder());
    if (!unwritable.Holds())
        GTEST_SKIP() << "this process can write into any folder";

    const auto shown = AnswerMessageBox([this] { Choose(u"笔记保存"_s); });
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, u"提示信息："_s);
    EXPECT_EQ(shown->text, u"保存失败"_s);
    EXPECT_EQ(shown->icon, QMessageBox::Warning);
    EXPECT_EQ(ReadBytes(File()), ReadBytes(fs::path(VELMORA_TEST_DATA_DIR) / "memo" / "two_notes.ini"));
    EXPECT_EQ(List()->topLevelItemCount(), 1);
}

TEST_F(MemoPageTest, SavingWithoutTheDataFolderFails)
{
    MemoPage page(*m_files, Folder() / "missing" / "备忘.ini");
    const auto shown = AnswerMessageBox([&page] {
        for (QAction* action : page.findChild<QMenu*>(u"笔记"_s)->actions()) {
            if (action->text() == u"笔记保存"_s)
                action->trigger();
        }
    });
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, u"保存失败"_s);
    EXPECT_FALSE(fs::exists(Folder() / "missing"));
}

TEST(MemoStartUp, TheMainWindowLoadsTheMemoFileWhenCreated)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    CopyFixture("rich_notes.ini",
                fs::path(home.path().toStdString()) / "Documents" / "Tarvik" / fs::path(u8"备忘.ini"));

    ProgramState state;
    const std::unique_ptr<FileSystem> files = CreateSystemFileSystem();
    FakeServices services;
    services.files = files.get();
    MainWindow window(state, services.Get());
    window.MainWindowCreated();

    auto* list = window.findChild<QTreeWidget*>(u"超级列表框1"_s);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(1), u"a=b"_s);
    EXPECT_EQ(list->topLevelItem(1)->text(2), u"含，逗号"_s);
    EXPECT_EQ(list->topLevelItem(2)->text(1), u"笑脸\U0001F600"_s);
}

} // namespace
} // namespace velmora
