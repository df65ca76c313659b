// The program's skin engine: takes a skin (header line plus Qt style sheet) and makes it the
// style sheet of the whole application. Built as a shared library of its own so that the program
// runs, unskinned, without it.
#include <string_view>

#include <QApplication>
#include <QStringDecoder>
#include <QThread>

#include "skin_engine/skin_engine_api.h"

namespace {

// The application whose windows the skin is for: only a widget application on its own thread
// can take a style sheet.
QApplication* SkinnableApplication()
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr || QThread::currentThread() != application->thread())
        return nullptr;
    return application;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int VelmoraSkinAttach(const unsigned char* skin, std::size_t length,
                                                                        const char* reserved, int reserved1,
                                                                        int reserved2, int reserved3)
{
    enum Result
    {
        Applied = 0,
        BadArguments = 1,
        NoApplication = 2,
        NotASkin = 3,
    };
    if (reserved != nullptr || reserved1 != 0 || reserved2 != 0 || reserved3 != 0 || (skin == nullptr && length != 0))
        return BadArguments;
    QApplication* application = SkinnableApplication();
    if (application == nullptr)
        return NoApplication;
    if (length == 0) {
        application->setStyleSheet(QString());
        return Applied;
    }

    const std::string_view bytes(reinterpret_cast<const char*>(skin), length);
    const std::string_view header(velmora::kSkinHeader);
    if (!bytes.starts_with(header))
        return NotASkin;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    // The sheet is copied into the application's own memory, so nothing it keeps points into
    // this library or into the caller's bytes.
    const QString sheet = fromUtf8(QByteArrayView(bytes.substr(header.size())));
    if (fromUtf8.hasError())
        return NotASkin;
    application->setStyleSheet(sheet);
    return Applied;
}
