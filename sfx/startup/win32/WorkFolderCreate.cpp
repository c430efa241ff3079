#include "WorkFolderCreate.h"

#include <windows.h>

#include "PayloadError.h"
#include "Random.h"
#include "StartupState.h"
#include "WorkFolder.h"

namespace {

// Enough draws to find the last free number of 999 all but surely; with
// every number taken the start-up fails instead of drawing forever.
constexpr int kMaxDraws = 10 * kWorkFolderNumbers;

}  // namespace

void CreateWorkFolder() {
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        const std::string candidate = WorkFolderCandidate(systemTempPath, 1 + Random(kWorkFolderNumbers));
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            workFolder = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw PayloadError("the work folder cannot be created");
    }
    throw PayloadError("every work folder name is taken");
}
