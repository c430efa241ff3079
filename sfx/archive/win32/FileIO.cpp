#include "FileIO.h"

bool TFileBase::Create(const std::wstring& name, DWORD access, DWORD shareMode, DWORD creationDisposition,
                       DWORD flagsAndAttributes) {
    Close();
    FHandle = CreateFileW(name.c_str(), access, shareMode, nullptr, creationDisposition, flagsAndAttributes, nullptr);
    FOpened = FHandle != nullptr && FHandle != INVALID_HANDLE_VALUE;
    return FOpened;
}

bool TFileBase::Duplicate(HANDLE file) {
    Close();
    const HANDLE process = GetCurrentProcess();
    FOpened = DuplicateHandle(process, file, process, &FHandle, 0, FALSE, DUPLICATE_SAME_ACCESS) != 0;
    if (!FOpened) FHandle = INVALID_HANDLE_VALUE;
    return FOpened;
}

bool TFileBase::Close() {
    if (FOpened) CloseHandle(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
    FOpened = false;
    return true;
}

bool TFileBase::Seek(int64_t distance, DWORD origin, uint64_t& newPosition) {
    LARGE_INTEGER move, moved;
    move.QuadPart = distance;
    if (!SetFilePointerEx(FHandle, move, &moved, origin)) return false;
    newPosition = uint64_t(moved.QuadPart);
    return true;
}

bool TInFile::Read(void* buffer, uint32_t size, uint32_t& read) {
    DWORD done = 0;
    const bool ok = ReadFile(FHandle, buffer, size, &done, nullptr) != 0;
    read = done;
    return ok;
}

bool TOutFile::Write(const void* buffer, uint32_t size, uint32_t& written) {
    DWORD done = 0;
    const bool ok = WriteFile(FHandle, buffer, size, &done, nullptr) != 0;
    written = done;
    return ok;
}

bool TOutFile::SetLength(uint64_t length) {
    uint64_t reached = 0;
    if (!SeekToBegin(length, reached) || reached != length) return false;
    return SetEndOfFile(FHandle) != 0;
}
