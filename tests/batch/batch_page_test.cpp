#include "batch/batch_page.h"

#include <utility>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/qt_text.h"
#include "batch/batch_folder.h"
#include "fakes/scripted_file_dialog.h"
#include "platform/system_services.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

class BatchPageTest : public testing::Test
{
protected:
    BatchPageTest() { m_page.HideProgress(); }

    template <typename Control>
    Control* Find(const QString& layoutName)
    {
        auto* control = m_page.findChild<Control*>(layoutName);
        EXPECT_NE(control, nullptr) << layoutName.toStdString();
        return control;
    }
    QLineEdit* Box(int number) { return Find<QLineEdit>(u"编辑框%1"_s.arg(number)); }
    QLabel* Label(int number) { return Find<QLabel>(u"标签%1"_s.arg(number)); }

    void ChooseMode(int mode)
    {
        auto* modes = Find<QComboBox>(u"组合框1"_s);
        modes->setCurrentIndex(mode);
        Q_EMIT modes->activated(mode);
    }

    QString Folder() const { return FromNativePath(m_folder.Path().native()); }

    BatchFolder m_folder;
    std::unique_ptr<FileSystem> m_files = CreateSystemFileSystem();
    std::unique_ptr<FolderFiles> m_folderFiles = CreateSystemFolderFiles();
    ScriptedFileDialog m_dialog;
    BatchPage m_page{*m_files, *m_folderFiles, m_dialog};
};

TEST_F(BatchPageTest, EachModeRelabelsAndFillsTheRows)
{
    struct Layout
    {
        int mode;
        const char16_t* captions[3]; // of 标签2 to 标签4, nullptr where the row is hidden
        const char16_t* texts[3];    // of 编辑框2 to 编辑框4
    };
    const char16_t* time = u"2009-11-15 15:15:15";
    const Layout layouts[] = {
        {0, {u"文件类型", u"取前缀名", nullptr}, {u"", u"", u""}},
        {1, {u"文件类型", u"新扩展名", nullptr}, {u"txt", u"", u""}},
        {2, {u"文件类型", u"生成数量", u"生成内容"}, {u"", u"", u""}},
        {3, {u"文件类型", nullptr, nullptr}, {u"", u"", u""}},
        {4, {u"文件类型", nullptr, nullptr}, {u"txt", u"", u""}},
        {5, {u"文件类型", nullptr, nullptr}, {u"", u"", u""}},
        {6, {nullptr, nullptr, nullptr}, {u"", u"", u""}},
        {7, {u"创建时间:", u"修改时间:", u"访问时间:"}, {time, time, time}},
        {8, {u"文件类型", u"初始文本：", u"替换文本："}, {u"", u"", u""}},
    };
    Box(1)->setText(u"/kept"_s);
    for (const Layout& layout : layouts) {
        for (int row = 2; row <= 4; ++row)
            Box(row)->setText(u"typed"_s);
        ChooseMode(layout.mode);
        EXPECT_EQ(Label(1)->text(), u"文件目录"_s);
        EXPECT_FALSE(Label(1)->isHidden());
        EXPECT_EQ(Box(1)->text(), u"/kept"_s);
        for (int row = 2; row <= 4; ++row) {
            const char16_t* caption = layout.captions[row - 2];
            const std::string where = "mode " + std::to_string(layout.mode) + " row " + std::to_string(row);
            EXPECT_EQ(Label(row)->isHidden(), caption == nullptr) << where;
            EXPECT_EQ(Box(row)->isHidden(), caption == nullptr) << where;
            if (caption != nullptr) {
                EXPECT_EQ(Label(row)->text(), QString::fromUtf16(caption)) << where;
            }
            EXPECT_EQ(Box(row)->text(), QString::fromUtf16(layout.texts[row - 2])) << where;
        }
    }
    // A hidden row keeps the caption it had.
    ChooseMode(7);
    ChooseMode(3);
    EXPECT_EQ(Label(3)->text(), u"修改时间:"_s);
    ChooseMode(6);
    EXPECT_EQ(Label(2)->text(), u"文件类型"_s);
}

TEST_F(BatchPageTest, TheDialogFillsTheFolderRowAndACancelRepeatsTheLastChoice)
{
    QTest::mouseDClick(Box(1), Qt::LeftButton);
    EXPECT_EQ(Box(1)->text(), QString()); // cancelled, nothing ever chosen
    m_dialog.answers = {std::filesystem::path("/dir/表😀.txt")};
    QTest::mouseDClick(Box(1), Qt::LeftButton);
    EXPECT_EQ(Box(1)->text(), u"/dir/"_s);
    ChooseMode(5);
    QTest::mouseDClick(Box(1), Qt::LeftButton);
    EXPECT_EQ(Box(1)->text(), u"/dir/表😀.txt"_s);
    EXPECT_EQ(m_dialog.shown, 3);
}

TEST_F(BatchPageTest, TheBarShowsDuringARunReachesTheEndAndHidesAfter)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        m_folder.Put(name, "x");
    auto* bar = Find<QProgressBar>(u"进度条1"_s);
    auto* button = Find<QPushButton>(u"按钮8"_s);
    std::vector<std::pair<int, bool>> seen; // value, bar and label shown
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&](int value) {
        seen.emplace_back(value, !bar->isHidden() && !Find<QLabel>(u"标签进度条"_s)->isHidden());
        QTest::mouseClick(button, Qt::LeftButton); // a click during the run does nothing
    });

    ChooseMode(3);
    Box(1)->setText(Folder());
    Box(2)->setText(u"txt"_s);
    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{250, true}, {500, true}, {750, true}, {1000, true}}));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(Find<QLabel>(u"标签进度条"_s)->isHidden());
    EXPECT_EQ(bar->value(), 1000);
    EXPECT_FALSE(m_folder.Has("a.txt"));
}

TEST_F(BatchPageTest, SplitSetsTheTypeAndMergeEmptiesItsAccumulator)
{
    m_folder.Put("doc.txt", "k a\r\n");
    ChooseMode(5);
    Box(1)->setText(FromNativePath((m_folder / "doc.txt").native()));
    Box(2)->setText(u"md"_s);
    m_page.Run();
    EXPECT_EQ(Box(2)->text(), u"txt"_s);
    EXPECT_EQ(m_folder.Read("k.TXT"), "k\r\na\r\n");

    m_folder.Put("only.md", "m");
    ChooseMode(4);
    Box(1)->setText(Folder());
    Box(2)->setText(u"md"_s);
    m_page.Run();
    EXPECT_EQ(m_folder.Read("汇总.md"), "m");
    EXPECT_EQ(Box(4)->text(), QString());
}

} // namespace
} // namespace velmora
