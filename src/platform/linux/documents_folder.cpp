// The documents folder of the XDG user directories (the file that xdg-user-dirs-update writes and
// that GLib, Qt and the xdg-user-dir tool read).
//
// Home folder: $HOME when it is an absolute path, otherwise the home folder of the user's
// password entry (as GLib does), so that a program started without HOME still finds the user's
// files. Only when neither gives an absolute path is the documents folder unknown (empty).
//
// Documents folder: the last valid XDG_DOCUMENTS_DIR line of "$XDG_CONFIG_HOME/user-dirs.dirs"
// ($XDG_CONFIG_HOME only when absolute, otherwise "$HOME/.config"). Valid values, quoted or not,
// are "$HOME" or "${HOME}" followed by nothing or "/..." and absolute paths; backslash escapes
// as in the shell; '#' lines are comments. Without a valid line: "$HOME/Documents".
// Nothing is created.

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "platform/folders.h"
#include "platform/linux/linux_file_system.h"

namespace velmora {

namespace {

bool IsAbsolute(std::string_view path)
{
    return !path.empty() && path.front() == '/';
}

std::string PasswordHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    for (;;) {
        passwd entry{};
        passwd* found = nullptr;
        const int error = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE && buffer.size() < (1U << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (error != 0 || found == nullptr || found->pw_dir == nullptr) {
            return {};
        }
        return found->pw_dir;
    }
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && IsAbsolute(home)) {
        return home;
    }
    std::string fromPassword = PasswordHome();
    return IsAbsolute(fromPassword) ? fromPassword : std::string{};
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

/// The value of one "XDG_DOCUMENTS_DIR=..." line as the shell reads it, expanded; nothing when
/// the line is not such a line or its value is not of a supported form.
std::optional<std::string> DocumentsEntry(std::string_view line, const std::string& home)
{
    std::size_t at = 0;
    while (at < line.size() && IsBlank(line[at])) {
        ++at;
    }
    constexpr std::string_view kName = "XDG_DOCUMENTS_DIR";
    if (line.substr(at, kName.size()) != kName) {
        return std::nullopt;
    }
    at += kName.size();
    while (at < line.size() && IsBlank(line[at])) {
        ++at;
    }
    if (at >= line.size() || line[at] != '=') {
        return std::nullopt;
    }
    ++at;
    while (at < line.size() && IsBlank(line[at])) {
        ++at;
    }

    std::string value;
    if (at < line.size() && line[at] == '"') {
        bool closed = false;
        for (++at; at < line.size(); ++at) {
            if (line[at] == '\\' && at + 1 < line.size()) {
                value += line[++at];
            } else if (line[at] == '"') {
                closed = true;
                break;
            } else {
                value += line[at];
            }
        }
        if (!closed) {
            return std::nullopt;
        }
    } else {
        for (; at < line.size() && !IsBlank(line[at]) && line[at] != '#'; ++at) {
            if (line[at] == '\\' && at + 1 < line.size()) {
                ++at;
            }
            value += line[at];
        }
    }

    for (std::string_view variable : {std::string_view("$HOME"), std::string_view("${HOME}")}) {
        if (value.starts_with(variable) && (value.size() == variable.size() || value[variable.size()] == '/')) {
            if (home.empty()) {
                return std::nullopt;
            }
            return WithoutTrailingSlashes(home + value.substr(variable.size()));
        }
    }
    if (!IsAbsolute(value)) {
        return std::nullopt;
    }
    return WithoutTrailingSlashes(value);
}

} // namespace

std::filesystem::path DocumentsFolder()
{
    try {
        const std::string home = HomeFolder();

        std::string configFolder;
        const char* configHome = std::getenv("XDG_CONFIG_HOME");
        if (configHome != nullptr && IsAbsolute(configHome)) {
            configFolder = configHome;
        } else if (!home.empty()) {
            configFolder = home + "/.config";
        }

        std::optional<std::string> documents;
        if (!configFolder.empty()) {
            const std::optional<std::string> content =
                LinuxFileSystem().ReadFile(std::filesystem::path(configFolder) / "user-dirs.dirs");
            std::string_view rest = content ? std::string_view(*content) : std::string_view();
            while (!rest.empty()) {
                const std::size_t end = rest.find('\n');
                const std::string_view line = rest.substr(0, end);
                rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
                if (std::optional<std::string> entry = DocumentsEntry(line, home)) {
                    documents = std::move(entry); // the last assignment wins, as in the shell
                }
            }
        }
        if (documents) {
            return *documents;
        }
        if (home.empty()) {
            return {};
        }
        return WithoutTrailingSlashes(home) + (home == "/" ? "Documents" : "/Documents");
    } catch (...) {
        return {};
    }
}

} // namespace velmora
