#include "ModuleCopy.h"

#include <windows.h>

#include <utility>

#include "Crc32.h"
#include "PayloadError.h"
#include "StartupState.h"
#include "SystemPath.h"

namespace {

HANDLE heldModule = INVALID_HANDLE_VALUE;

class ModuleFile {
public:
    ModuleFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags)
        : handle_(CreateFileW(WideFromUtf8(path).c_str(), access, share, nullptr, disposition, flags, nullptr)) {
        if (handle_ == INVALID_HANDLE_VALUE) throw PayloadError("the module's file cannot be opened");
    }
    ~ModuleFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    ModuleFile(const ModuleFile&) = delete;
    ModuleFile& operator=(const ModuleFile&) = delete;

    void Write(const uint8_t* data, DWORD size) {
        DWORD written = 0;
        if (!WriteFile(handle_, data, size, &written, nullptr) || written != size)
            throw PayloadError("writing the module's file failed");
    }
    DWORD Read(uint8_t* data, DWORD size) {
        DWORD read = 0;
        if (!ReadFile(handle_, data, size, &read, nullptr)) throw PayloadError("reading the module's file failed");
        return read;
    }
    void Close() {
        const BOOL closed = CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
        if (!closed) throw PayloadError("closing the module's file failed");
    }
    HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

private:
    HANDLE handle_;
};

uint32_t WriteModule(ByteSource& exe, const PayloadLayout& layout, const std::string& path) {
    ModuleFile dll(path, GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
    uint32_t crc = 0;
    exe.Seek(layout.moduleOffset);
    for (uint64_t left = layout.moduleLength; left > 0;) {
        const size_t chunk = left < copyBuffer.size() ? size_t(left) : copyBuffer.size();
        if (exe.Read(copyBuffer.data(), chunk) != chunk) throw PayloadError("the module is cut short");
        dll.Write(copyBuffer.data(), DWORD(chunk));
        crc = Crc32(copyBuffer.data(), chunk, crc);
        left -= chunk;
    }
    dll.Close();
    return crc;
}

// The file as it is now, read to its end: the module's length and CRC-32,
// or somebody else's file.
bool HoldsModule(ModuleFile& dll, uint64_t length, uint32_t crc) {
    uint64_t read = 0;
    uint32_t readCrc = 0;
    for (DWORD got; (got = dll.Read(copyBuffer.data(), DWORD(copyBuffer.size()))) != 0; read += got)
        readCrc = Crc32(copyBuffer.data(), got, readCrc);
    return read == length && readCrc == crc;
}

}  // namespace

void CopyModule(ByteSource& exe, const PayloadLayout& layout, const std::string& path) {
    const uint32_t crc = WriteModule(exe, layout, path);
    // The loader's own opening only reads, which this one shares.
    ModuleFile dll(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (!HoldsModule(dll, layout.moduleLength, crc)) throw PayloadError("the module's file was changed");
    heldModule = dll.Release();
}

void ReleaseModuleFile() {
    if (heldModule != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(heldModule, INVALID_HANDLE_VALUE));
}
