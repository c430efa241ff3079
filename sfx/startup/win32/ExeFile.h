// The program's own executable, read by position for its payload.
#pragma once

#include <windows.h>

#include <string>

#include "ByteSource.h"

// The full path of the running executable. Throws PayloadError.
std::wstring OwnExecutablePath();

class ExeFile : public ByteSource {
public:
    // Opened for reading, shared with all other readers and writers. Throws
    // PayloadError.
    explicit ExeFile(const std::wstring& path);
    ~ExeFile() override;
    ExeFile(const ExeFile&) = delete;
    ExeFile& operator=(const ExeFile&) = delete;

    size_t Read(uint8_t* data, size_t size) override;
    void Seek(uint64_t position) override;
    uint64_t Position() const override { return position_; }
    uint64_t Size() const override { return size_; }

private:
    HANDLE handle_;
    uint64_t size_ = 0;
    uint64_t position_ = 0;
};
