// The yardstick of the self-extractor's benchmark: the archive session over
// the 7-Zip module, with the streams and callbacks the self-extractor uses,
// and nothing else around it: no payload, no work folder, no window.
//   SevenZipDirect [--threads] ARCHIVE DEST
// Opens ARCHIVE with the 7z.dll beside this program, extracts every item into
// DEST and prints the seconds of each phase. The module decodes on the
// calling thread, or with --threads on as many as it likes. Exit code 0 when every item was
// extracted, 1 otherwise, 2 for a bad command line.
#include <windows.h>

#include <cstdio>
#include <string>

#include "SevenZip.h"

namespace {

double SecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool threads = argc == 4 && std::wstring(argv[1]) == L"--threads";
    if (argc != 3 && !threads) {
        std::fputs("usage: SevenZipDirect [--threads] ARCHIVE DEST\n", stderr);
        return 2;
    }
    TSevenZip session;
    session.ModuleThreads = threads;
    session.FileName = argv[argc - 2];
    session.ExtractBaseDir = argv[argc - 1];
    session.UseFolderNames = true;

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!session.OpenArchive()) {
        std::fprintf(stderr, "SevenZipDirect: cannot open %ls\n", argv[argc - 2]);
        return 1;
    }
    std::printf("open %.2f s\n", SecondsSince(start));
    QueryPerformanceCounter(&start);
    const HRESULT result = session.ExtractArchive();
    std::printf("extract %.2f s\n", SecondsSince(start));
    if (result != S_OK || session.ErrorCount() != 0) {
        std::fprintf(stderr, "SevenZipDirect: extraction failed (0x%08lx, %u items)\n", static_cast<unsigned long>(result),
                     session.ErrorCount());
        return 1;
    }
    return 0;
}
