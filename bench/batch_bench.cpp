// Runs one batch operation as the page's button does — the same engine, listing, message pump
// and progress bar — without showing a window, and prints the seconds the run took.
//
//   velmora_bench_batch <mode 0-8> <folder> <type> <third> <fourth>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QProgressBar>

#include "batch/bar_progress.h"
#include "batch/batch_engine.h"
#include "platform/system_services.h"

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <mode 0-8> <folder> <type> <third> <fourth>\n", argv[0]);
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);

    using namespace velmora;
    const BatchInputs inputs{static_cast<BatchMode>(std::stoi(argv[1])), argv[2], argv[3], argv[4], argv[5]};
    const auto files = CreateSystemFileSystem();
    const auto folderFiles = CreateSystemFolderFiles();
    QProgressBar bar;
    bar.setRange(0, 1000);
    BarProgress progress(&bar);
    BatchTools tools{*files, *folderFiles, progress};

    const auto start = std::chrono::steady_clock::now();
    RunBatch(inputs, tools);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.6f\n", took.count());
    return 0;
}
