#include "app/update_check.h"

#include <QTest>
#include <gtest/gtest.h>

#include "fakes/modal_answers.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

struct UpdateCase
{
    const char* what;
    const char* page; // "": the page could not be fetched
    const char* newestVersion;
    bool announced;
};

TEST(CheckForUpdate, AnnouncesOnlyANewerVersionNamedBeforeTheEndMarker)
{
    const UpdateCase cases[] = {
        {"newer", "<script>var v='x' ='Tarvik2.9';\nvar w=1;</script>", "2.9", true},
        {"the same", "='Tarvik2.8';\n", "2.8", false},
        {"within the tolerance", "='Tarvik2.80000005';\n", "2.80000005", false},
        {"two markers", "='Tarvik3.1 ='Tarvik2.9';\n", "2.9", true},
        {"marker after the end", "';\n='Tarvik9.9';\n", "", false},
        {"no end marker", "='Tarvik9.9'", "", false},
        {"no page", "", "", false},
    };
    for (const auto& c : cases) {
        ProgramState state;
        state.schedule.storedRunSeconds = 61;
        ModalAnswers answers;
        CheckForUpdate(state, nullptr, c.page);

        EXPECT_EQ(state.newestVersion, c.newestVersion) << c.what;
        EXPECT_EQ(state.programVersion, "2.8") << c.what;
        EXPECT_EQ(state.updateAvailable, c.announced ? 1 : 0) << c.what;
        ASSERT_EQ(answers.seen.size(), c.announced ? 1U : 0U) << c.what;
        if (c.announced) {
            EXPECT_EQ(answers.seen[0].title, u"更新提示"_s);
            EXPECT_EQ(answers.seen[0].icon, QMessageBox::Information);
            EXPECT_EQ(answers.seen[0].text, u"作者：Pellam\r\n有新版本~更新\r\n最新版本号：2.9\r\n本地版本号：2.8\r\n"
                                            u"软件运行时间：1分1秒"_s);
        }
    }
}

} // namespace
} // namespace velmora
