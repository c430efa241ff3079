#include "ItemFile.h"

#include "ReplacementName.h"
#include "SystemPath.h"

namespace {

// More than any folder will hold of names left over from a crash.
constexpr uint32_t kReplacementAttempts = 10000;

}  // namespace

bool TItemFile::Open(TOutFileStream& stream, const std::wstring& destination, bool replacing) {
    FDestination = SystemPath(destination);
    FReplacing = replacing;
    if (!replacing) {
        FWritten = FDestination;
        return stream.Open(FWritten, CREATE_ALWAYS);
    }
    for (uint32_t attempt = 1; attempt <= kReplacementAttempts; ++attempt) {
        FWritten = ReplacementName(FDestination, attempt);
        if (stream.Open(FWritten, CREATE_NEW)) return true;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

bool TItemFile::Keep() {
    if (!FReplacing) return true;
    if (MoveFileExW(FWritten.c_str(), FDestination.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    DeleteFileW(FWritten.c_str());
    return false;
}

void TItemFile::Discard() { DeleteFileW(FWritten.c_str()); }
