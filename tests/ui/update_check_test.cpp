#include "app/update_check.h"

#include <optional>
#include <string>

#include <QTest>
#include <gtest/gtest.h>

#include "fakes/modal_answers.h"
#include "platform/code_page.h"
#include "servers/local_http_server.h"

namespace velmora {
namespace {

using namespace Qt::Literals::StringLiterals;

// Points the update page at a local server for the length of a test.
class UpdatePageServed
{
public:
    explicit UpdatePageServed(std::optional<std::string> page)
        : m_server([page](const ReceivedRequest&) { return HttpResponse(200, page.value_or("")); })
    {
        if (page)
            qputenv("VELMORA_UPDATE_URL", QByteArray::fromStdString(m_server.Url("/update.html")));
        else
            qputenv("VELMORA_UPDATE_URL", "http://127.0.0.1:1/update.html"); // nothing listens there
    }
    ~UpdatePageServed() { qputenv("VELMORA_UPDATE_URL", m_previous); }
    UpdatePageServed(const UpdatePageServed&) = delete;
    UpdatePageServed& operator=(const UpdatePageServed&) = delete;

private:
    QByteArray m_previous = qgetenv("VELMORA_UPDATE_URL");
    LocalHttpServer m_server;
};

struct UpdateCase
{
    const char* what;
    std::optional<std::string> page; // none: no server answers
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
        {"no server", std::nullopt, "", false},
    };
    for (const auto& c : cases) {
        const UpdatePageServed served(c.page);
        ProgramState state;
        state.schedule.storedRunSeconds = 61;
        ModalAnswers answers;
        CheckForUpdate(state, nullptr);

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
