#include <QApplication>
#include <QLoggingCategory>
#include <gtest/gtest.h>

// Brings up the application object UI tests need. The offscreen platform is chosen here too, so
// that test discovery at build time works without a display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Headless runs warn about the missing tray, audio device and window opacity.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.*=false\nqt.qpa.*=false"));
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
