// Makes the data bench/measure.py times the batch operations on, quickly: Python spent most of a
// run writing these files one by one. The names and bytes are the ones measure.py has always
// made, so figures stay comparable across versions.
//
//   velmora_bench_data names <folder> <count> <extension>...   a new <folder> of <count> files
//                                                              "file<i>.<extension>" of 12 bytes; the
//                                                              extensions take turns
//   velmora_bench_data contents <folder> <count> <bytes>       a new <folder> of <count> text files
//                                                              "doc<i>.txt" of <bytes> + 1 bytes, with
//                                                              "cat", never "dog"
//   velmora_bench_data document <file> <lines> <keys>          a new document of <lines> keyed lines
//
// Only "names" may be given a folder that exists: it takes the place of the old one.

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

#include "posix_file.h"

namespace {

// Creates a new file (never one that exists) holding the given pieces.
bool WriteNewFile(int folderFd, const std::string& name, std::initializer_list<std::string_view> pieces)
{
    const FileHandle file(::openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.Fd() < 0) {
        std::perror(name.c_str());
        return false;
    }
    for (const std::string_view piece : pieces) {
        if (!WriteAll(file.Fd(), piece)) {
            std::perror(name.c_str());
            return false;
        }
    }
    return true;
}

// Makes a new folder and opens it; -1 when that fails.
int NewFolder(const char* path)
{
    if (::mkdir(path, 0777) != 0) {
        std::perror(path);
        return -1;
    }
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        std::perror(path);
    return fd;
}

constexpr std::string_view smallFileBytes = "some bytes\r\n";

// A file of the earlier run that is still a plain file of its own holding the small file's bytes.
// O_NOATIME: reading must not leave inode writes behind for the next measured side to pay for.
bool HoldsSmallFileBytes(int folderFd, const std::string& path)
{
    const FileHandle file(::openat(folderFd, path.c_str(), O_RDONLY | O_NOATIME | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info
    {};
    if (file.Fd() < 0 || ::fstat(file.Fd(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1)
        return false;
    char bytes[16];
    const ssize_t got = ::read(file.Fd(), bytes, sizeof bytes);
    return got >= 0 && std::string_view(bytes, static_cast<std::size_t>(got)) == smallFileBytes;
}

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct FolderContents
{
    std::vector<std::string> files;   // every non-folder entry, relative to the top
    std::vector<std::string> folders; // the sub-folders, deepest first
};

bool Collect(int topFd, const std::string& relative, FolderContents& contents)
{
    const int fd = ::openat(topFd, relative.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::unique_ptr<DIR, FolderCloser> folder(fd < 0 ? nullptr : ::fdopendir(fd));
    if (!folder) {
        if (fd >= 0)
            ::close(fd);
        std::perror(relative.c_str());
        return false;
    }
    const std::string prefix = relative == "." ? "" : relative + "/";
    while (const dirent* entry = ::readdir(folder.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = prefix + std::string(name);
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info
            {};
            if (::fstatat(topFd, path.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
                std::perror(path.c_str());
                return false;
            }
            isFolder = S_ISDIR(info.st_mode);
        }
        if (isFolder) {
            if (!Collect(topFd, path, contents))
                return false;
            contents.folders.push_back(path);
        } else {
            contents.files.push_back(path);
        }
    }
    return true;
}

struct Assignment
{
    std::vector<std::string> source;    // per wanted name the earlier file it takes, or empty
    std::vector<std::string> leftovers; // earlier files no name takes, or that hold other bytes
};

// Which earlier file becomes which wanted name: a file keeps its name when that name is wanted,
// the others take the names left over.
Assignment AssignFiles(int oldFd, const std::vector<std::string>& wanted, const std::vector<std::string>& files)
{
    std::unordered_map<std::string, std::size_t> wantedIndex;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        wantedIndex.emplace(wanted[i], i);
    Assignment assignment{std::vector<std::string>(wanted.size()), {}};
    std::vector<std::string> unnamed;
    for (const std::string& path : files) {
        if (!HoldsSmallFileBytes(oldFd, path)) {
            assignment.leftovers.push_back(path);
            continue;
        }
        const auto found = wantedIndex.find(BaseName(path));
        if (found != wantedIndex.end() && assignment.source[found->second].empty())
            assignment.source[found->second] = path;
        else
            unnamed.push_back(path);
    }
    std::size_t next = 0;
    for (std::string& path : assignment.source) {
        if (path.empty() && next < unnamed.size())
            path = unnamed[next++];
    }
    assignment.leftovers.insert(assignment.leftovers.end(), unnamed.begin() + static_cast<std::ptrdiff_t>(next),
                                unnamed.end());
    return assignment;
}

bool RemoveTree(int oldFd, const char* oldPath, const std::vector<std::string>& files,
                const std::vector<std::string>& folders)
{
    for (const std::string& path : files) {
        if (::unlinkat(oldFd, path.c_str(), 0) != 0) {
            std::perror(path.c_str());
            return false;
        }
    }
    for (const std::string& path : folders) {
        if (::unlinkat(oldFd, path.c_str(), AT_REMOVEDIR) != 0) {
            std::perror(path.c_str());
            return false;
        }
    }
    if (::rmdir(oldPath) != 0) {
        std::perror(oldPath);
        return false;
    }
    return true;
}

// Gives <path> a new folder holding exactly the wanted small files, added in their order as if
// written one by one. The files of an earlier run under <path> (renamed, sorted into sub-folders)
// are moved back instead of being deleted and written again: on a disk, deleting 20,000 files
// takes several seconds, moving them a fraction of one.
bool MakeNamedFiles(const std::string& path, const std::vector<std::string>& wanted)
{
    const std::string oldPath = path + ".earlier";
    const bool hadFolder = ::rename(path.c_str(), oldPath.c_str()) == 0;
    if (!hadFolder && errno != ENOENT) {
        std::perror(path.c_str());
        return false;
    }
    const FileHandle folder(NewFolder(path.c_str()));
    const FileHandle old(hadFolder ? ::open(oldPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1);
    FolderContents contents;
    if (folder.Fd() < 0 || (hadFolder && (old.Fd() < 0 || !Collect(old.Fd(), ".", contents))))
        return false;
    const Assignment assignment = AssignFiles(old.Fd(), wanted, contents.files);
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const std::string& source = assignment.source[i];
        const bool placed = source.empty() ? WriteNewFile(folder.Fd(), wanted[i], {smallFileBytes})
                                           : ::renameat(old.Fd(), source.c_str(), folder.Fd(), wanted[i].c_str()) == 0;
        if (!placed) {
            std::perror(wanted[i].c_str());
            return false;
        }
    }
    return !hadFolder || RemoveTree(old.Fd(), oldPath.c_str(), assignment.leftovers, contents.folders);
}

std::vector<std::string> SmallFileNames(int count, const std::vector<std::string>& extensions)
{
    std::vector<std::string> names;
    for (int i = 0; i < count && !extensions.empty(); ++i)
        names.push_back("file" + std::to_string(i) + "." + extensions[static_cast<std::size_t>(i) % extensions.size()]);
    return names;
}

// Lines of eleven words taken in turn from a short text, cut at `bytes`.
std::string ContentBody(std::size_t bytes)
{
    static constexpr std::string_view words[] = {"the",     "cat", "sat",     "on",   "a", "mat",
                                                 "while",   "the", "catalog", "of",   "a", "scattered",
                                                 "library", "was", "read",    "aloud"};
    constexpr std::size_t wordCount = std::size(words);
    std::string body;
    for (std::size_t i = 0; body.size() < bytes; ++i) {
        for (std::size_t j = 0; j < 11; ++j) {
            if (j > 0)
                body += ' ';
            body += words[(i + j) % wordCount];
        }
        body += "\r\n";
    }
    body.resize(bytes);
    return body;
}

bool MakeContentFiles(const char* path, int count, std::size_t bytes)
{
    const FileHandle folder(NewFolder(path));
    // Each file starts with a 21-byte line naming it.
    if (folder.Fd() < 0 || bytes < 20)
        return false;
    const std::string body = ContentBody(bytes - 20);
    for (int i = 0; i < count; ++i) {
        char heading[32];
        const int length = std::snprintf(heading, sizeof heading, "document %10d\r\n", i);
        const std::string_view headingBytes(heading, static_cast<std::size_t>(length));
        if (!WriteNewFile(folder.Fd(), "doc" + std::to_string(i) + ".txt", {headingBytes, body}))
            return false;
    }
    return true;
}

bool MakeDocument(const char* path, int lines, int keys)
{
    if (keys < 1)
        return false;
    std::string text;
    for (int i = 0; i < lines; ++i) {
        const long long key = static_cast<long long>(i) * 7919 % keys;
        text += "key" + std::to_string(key) + " alpha" + std::to_string(i % 97) + " beta" + std::to_string(i % 89) +
                " gamma" + std::to_string(i % 83) + "\r\n";
    }
    const std::string name(path);
    return WriteNewFile(AT_FDCWD, name, {text});
}

} // namespace

int main(int argc, char** argv)
{
    const std::string kind = argc > 1 ? argv[1] : "";
    bool made = false;
    if (kind == "names" && argc >= 5)
        made = MakeNamedFiles(argv[2],
                              SmallFileNames(std::stoi(argv[3]), std::vector<std::string>(argv + 4, argv + argc)));
    else if (kind == "contents" && argc == 5)
        made = MakeContentFiles(argv[2], std::stoi(argv[3]), std::stoul(argv[4]));
    else if (kind == "document" && argc == 5)
        made = MakeDocument(argv[2], std::stoi(argv[3]), std::stoi(argv[4]));
    else {
        std::fprintf(stderr, "usage: %s names|contents|document <folder or file> <count> ...\n", argv[0]);
        return 2;
    }
    if (!made) {
        std::fprintf(stderr, "%s: making %s failed\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
