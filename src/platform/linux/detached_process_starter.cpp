#include "platform/linux/detached_process_starter.h"

#include <system_error>

#include <QProcess>
#include <QStringList>

#include "platform/command_line.h"

namespace velmora {

namespace {
QString FromNative(const NativeText& text)
{
    return QString::fromStdString(text);
}

bool NamesAFile(const NativeText& commandLine)
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(commandLine), error);
}
} // namespace

bool DetachedProcessStarter::StartProgram(const NativeText& commandLine, WindowShow show)
{
    if (NamesAFile(commandLine))
        return StartArguments({commandLine}, show);
    return StartArguments(SplitCommandLine(commandLine), show);
}

bool DetachedProcessStarter::StartArguments(const std::vector<NativeText>& arguments, WindowShow)
{
    // Windows are the started program's own business here; a hidden start differs only where the
    // system lets the starter choose.
    if (arguments.empty() || arguments.front().empty())
        return false;
    QStringList rest;
    for (auto argument = arguments.begin() + 1; argument != arguments.end(); ++argument)
        rest.append(FromNative(*argument));

    QProcess process;
    process.setProgram(FromNative(arguments.front()));
    process.setArguments(rest);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // A detached start is reaped by the system, and it reports a program that cannot be run.
    return process.startDetached();
}

} // namespace velmora
