// The physical floor of each batch operation: only the system calls the operation needs, over
// the same names, and nothing else. Prints the seconds it took.
//
//   velmora_bench_floor rename <folder> <prefix> <extension>   list, then no-replace renames
//   velmora_bench_floor extension <folder> <extension>         list, then no-replace renames
//   velmora_bench_floor delete <folder>                        list, then unlink
//   velmora_bench_floor sort <folder>                          list, then mkdir + rename
//   velmora_bench_floor times <folder>                         list, then utimensat
//   velmora_bench_floor spread <file> <count>                  read, then write the same bytes
//                                                              into <count> new files <file>.1 ...

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "posix_file.h"

namespace {

// The names of the folder's regular files, in the system's order.
std::vector<std::string> ListFiles(DIR* folder)
{
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(folder)) {
        if (entry->d_type == DT_REG)
            names.emplace_back(entry->d_name);
    }
    return names;
}

std::string_view ExtensionOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

bool RenameNoReplace(int folderFd, const std::string& from, const std::string& to)
{
    return ::renameat2(folderFd, from.c_str(), folderFd, to.c_str(), RENAME_NOREPLACE) == 0;
}

int RunOverFolder(const std::string& operation, int argc, char** argv)
{
    const std::unique_ptr<DIR, FolderCloser> folder(::opendir(argv[2]));
    if (!folder) {
        std::perror(argv[2]);
        return 1;
    }
    const int fd = ::dirfd(folder.get());
    const std::vector<std::string> names = ListFiles(folder.get());
    int failed = 0;
    if (operation == "rename" && argc == 5) {
        for (std::size_t k = 1; k <= names.size(); ++k)
            failed += !RenameNoReplace(fd, names[k - 1], argv[3] + std::to_string(k) + argv[4]);
    } else if (operation == "extension" && argc == 4) {
        for (const std::string& name : names) {
            const std::string stem = name.substr(0, name.size() - ExtensionOf(name).size());
            failed += !RenameNoReplace(fd, name, stem + argv[3]);
        }
    } else if (operation == "delete" && argc == 3) {
        for (const std::string& name : names)
            failed += ::unlinkat(fd, name.c_str(), 0) != 0;
    } else if (operation == "sort" && argc == 3) {
        for (const std::string& name : names) {
            const std::string subFolder(ExtensionOf(name));
            failed += ::mkdirat(fd, subFolder.c_str(), 0777) != 0 && errno != EEXIST;
            failed += !RenameNoReplace(fd, name, subFolder + "/" + name);
        }
    } else if (operation == "times" && argc == 3) {
        const timespec times[2] = {{1258269315, 0}, {1258269315, 0}};
        for (const std::string& name : names)
            failed += ::utimensat(fd, name.c_str(), times, 0) != 0;
    } else {
        return 2;
    }
    if (failed != 0)
        std::fprintf(stderr, "%d operations failed\n", failed);
    return 0;
}

int Spread(const std::string& from, int count)
{
    const FileHandle source(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info
    {};
    if (source.Fd() < 0 || ::fstat(source.Fd(), &info) != 0 || count < 1)
        return 1;
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(source.Fd(), bytes.data() + done, bytes.size() - done);
        if (got <= 0)
            return 1;
        done += static_cast<std::size_t>(got);
    }
    const std::string_view all(bytes);
    const std::size_t share = all.size() / static_cast<std::size_t>(count);
    for (int part = 1; part <= count; ++part) {
        const std::size_t offset = share * static_cast<std::size_t>(part - 1);
        const std::string_view piece = part == count ? all.substr(offset) : all.substr(offset, share);
        const std::string target = from + "." + std::to_string(part);
        const FileHandle file(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        if (file.Fd() < 0 || !WriteAll(file.Fd(), piece))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s rename|extension|delete|sort|times|spread <folder or file> ...\n", argv[0]);
        return 2;
    }
    const std::string operation = argv[1];
    const auto start = std::chrono::steady_clock::now();
    const int result =
        operation == "spread" && argc == 4 ? Spread(argv[2], std::stoi(argv[3])) : RunOverFolder(operation, argc, argv);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (result != 0) {
        std::fprintf(stderr, "%s failed\n", operation.c_str());
        return result;
    }
    std::printf("%.6f\n", took.count());
    return 0;
}
