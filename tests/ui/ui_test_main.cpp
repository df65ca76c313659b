#include <QApplication>
#include <QLoggingCategory>
#include <gtest/gtest.h>

// Brings up the application object UI tests need. The offscreen platform is chosen here too, so
// that test discovery at build time works without a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A main window fetches the update page when it is created; no test may reach the internet,
    // so by default it asks a local port where nothing listens. Tests that serve a page set
    // their own address.
    for (const char* endpoint :
         {"VELMORA_UPDATE_URL", "VELMORA_BAIKE_URL", "VELMORA_CHAT_URL", "VELMORA_TRANSLATE_URL"}) {
        if (qEnvironmentVariableIsEmpty(endpoint))
            qputenv(endpoint, "http://127.0.0.1:1/");
    }
    // Headless runs warn about the missing tray, audio device and window opacity.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.*=false\nqt.qpa.*=false"));
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
