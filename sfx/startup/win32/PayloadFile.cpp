#include "PayloadFile.h"

#include <memory>
#include <vector>

#include "LoadedImage.h"
#include "PayloadError.h"

namespace {

std::unique_ptr<PayloadFile> runningExecutable;

LoadedImage RunningImage() {
    const auto* base = reinterpret_cast<const uint8_t*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return LoadedImage{base, nt->OptionalHeader.SizeOfImage, uint64_t(uintptr_t(base))};
}

}  // namespace

std::wstring OwnExecutablePath() {
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length == 0 || length >= path.size()) throw PayloadError("the program's own path is unknown");
    return std::wstring(path.data(), length);
}

PayloadFile::PayloadFile(const std::wstring& path)
    : handle_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) throw PayloadError("a file of the payload cannot be opened");
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) {
        CloseHandle(handle_);
        throw PayloadError("a file of the payload has no size");
    }
    size_ = uint64_t(size.QuadPart);
}

PayloadFile::~PayloadFile() { CloseHandle(handle_); }

size_t PayloadFile::Read(uint8_t* data, size_t size) {
    size_t total = 0;
    while (total < size) {
        const DWORD want = DWORD(size - total < 0x10000000 ? size - total : 0x10000000);
        DWORD got = 0;
        if (!ReadFile(handle_, data + total, want, &got, nullptr))
            throw PayloadError("reading a file of the payload failed");
        if (got == 0) break;  // the end of the file
        total += got;
    }
    position_ += total;
    return total;
}

void PayloadFile::Seek(uint64_t position) {
    LARGE_INTEGER to;
    to.QuadPart = LONGLONG(position);
    if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN)) throw PayloadError("seeking in a file of the payload failed");
    position_ = position;
}

void OpenRunningExecutable() {
    auto exe = std::make_unique<PayloadFile>(OwnExecutablePath());
    if (!IsLoadedImage(*exe, RunningImage())) throw PayloadError("the program's file is not the one running");
    runningExecutable = std::move(exe);
}

PayloadFile& RunningExecutable() { return *runningExecutable; }
