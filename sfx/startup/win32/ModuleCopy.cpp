#include "ModuleCopy.h"

#include <windows.h>

#include "PayloadError.h"
#include "StartupState.h"

namespace {

class CreatedFile {
public:
    explicit CreatedFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
        if (handle_ == INVALID_HANDLE_VALUE) throw PayloadError("the module's file cannot be created");
    }
    ~CreatedFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    CreatedFile(const CreatedFile&) = delete;
    CreatedFile& operator=(const CreatedFile&) = delete;

    void Write(const uint8_t* data, DWORD size) {
        DWORD written = 0;
        if (!WriteFile(handle_, data, size, &written, nullptr) || written != size)
            throw PayloadError("writing the module's file failed");
    }
    void Close() {
        const BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        if (!closed) throw PayloadError("closing the module's file failed");
    }

private:
    HANDLE handle_;
};

}  // namespace

void CopyModule(ByteSource& exe, const PayloadLayout& layout, const std::string& path) {
    CreatedFile dll(path);
    exe.Seek(layout.moduleOffset);
    for (uint64_t left = layout.moduleLength; left > 0;) {
        const size_t chunk = left < copyBuffer.size() ? size_t(left) : copyBuffer.size();
        if (exe.Read(copyBuffer.data(), chunk) != chunk) throw PayloadError("the module is cut short");
        dll.Write(copyBuffer.data(), DWORD(chunk));
        left -= chunk;
    }
    dll.Close();
}
