#include "platform/windows/win32_process_starter.h"

#include <windows.h>

#include "platform/windows/win32_handle.h"

namespace velmora {

namespace {

// Characters the command interpreter reads as operators outside quotes.
constexpr wchar_t kInterpreterOperators[] = L"&|<>^()";

bool NeedsQuotes(const NativeText& argument)
{
    if (argument.empty() || argument.find_first_of(L" \t\"") != NativeText::npos)
        return true;
    // A lone operator is meant as one ("&" between two commands); inside a path it is a letter.
    return argument.size() > 1 && argument.find_first_of(kInterpreterOperators) != NativeText::npos;
}

NativeText Quoted(const NativeText& argument)
{
    if (!NeedsQuotes(argument))
        return argument;
    NativeText quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only before a quote.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

} // namespace

NativeText JoinCommandLine(const std::vector<NativeText>& arguments)
{
    NativeText line;
    for (const NativeText& argument : arguments) {
        if (!line.empty())
            line += L' ';
        line += Quoted(argument);
    }
    return line;
}

bool Win32ProcessStarter::StartProgram(const NativeText& commandLine, WindowShow show)
{
    if (commandLine.empty())
        return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show == WindowShow::Hidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    // CreateProcessW may write into the command line, so it gets its own copy.
    NativeText writable = commandLine;
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    const Win32Handle process(started.hProcess);
    const Win32Handle thread(started.hThread);
    // Gives a program with windows a moment to show them; a console program returns at once.
    WaitForInputIdle(process.Get(), 1000);
    return true;
}

bool Win32ProcessStarter::StartArguments(const std::vector<NativeText>& arguments, WindowShow show)
{
    if (arguments.empty() || arguments.front().empty())
        return false;
    return StartProgram(JoinCommandLine(arguments), show);
}

} // namespace velmora
