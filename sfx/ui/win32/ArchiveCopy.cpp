#include "ArchiveCopy.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "CopyPercent.h"
#include "FileIO.h"
#include "StartupState.h"

namespace {

std::wstring OwnExecutablePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

}  // namespace

void CopyArchiveOut(const std::function<void(int percent)>& progress) {
    TInFile exe;
    TOutFile copy;
    copy.SetCreateAlways();
    const std::wstring exePath = OwnExecutablePath();
    if (exePath.empty() || !exe.Open(exePath, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL))
        return;
    if (!copy.Open(archiveCopyPath)) return;
    uint64_t position = 0;
    if (!exe.SeekToBegin(archiveOffset, position)) return;
    const uint64_t remaining = archiveEnd > archiveOffset ? archiveEnd - archiveOffset : 0;
    uint64_t copied = 0;
    while (copied < remaining) {
        const uint32_t chunk = uint32_t(std::min<uint64_t>(copyBuffer.size(), remaining - copied));
        std::fill(copyBuffer.begin(), copyBuffer.end(), uint8_t(0));
        uint32_t read = 0, written = 0;
        if (!exe.Read(copyBuffer.data(), chunk, read)) return;
        if (!copy.Write(copyBuffer.data(), read, written) || written != read) return;
        copied += read;
        progress(CopyPercent(copied, remaining));
        if (read < chunk) return;  // the file is shorter than it was at start-up
    }
}
