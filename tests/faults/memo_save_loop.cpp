// Saves the memo file given as its argument over and over, alternating between two sets of
// notes, until it is killed. It says "saved" on its standard output after the first save, so
// that whoever kills it knows saves are under way.
#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "fakes/memo_save_contents.h"
#include "memo/memo_file.h"
#include "platform/linux/linux_file_system.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    velmora::LinuxFileSystem files;
    const std::filesystem::path file = argv[1];
    for (long round = 0;; ++round) {
        if (!velmora::WriteMemos(files, file, velmora::MemoSaveNotes(round % 2 == 0)))
            return 1;
        if (round == 0 && ::write(STDOUT_FILENO, "saved", 5) != 5)
            return 1;
    }
}
