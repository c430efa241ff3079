// The files of the program's payload, opened once at start-up and read by
// position: its own executable, whose seal, module, blocks and archive all
// come through that one opening, and the volumes beside it that hold the
// rest of a large archive.
#pragma once

#include <windows.h>

#include <string>

#include "ByteSource.h"

class PayloadFile : public ByteSource {
public:
    // Opened for reading, shared with other readers only: while it is open
    // nobody can write, rename or replace the file. Throws PayloadError.
    explicit PayloadFile(const std::wstring& path);
    ~PayloadFile() override;
    PayloadFile(const PayloadFile&) = delete;
    PayloadFile& operator=(const PayloadFile&) = delete;

    size_t Read(uint8_t* data, size_t size) override;
    void Seek(uint64_t position) override;
    uint64_t Position() const override { return position_; }
    uint64_t Size() const override { return size_; }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_;
    uint64_t size_ = 0;
    uint64_t position_ = 0;
};

// The path the program was started from.
std::wstring OwnExecutablePath();

// Opens the file at the program's path and checks that it is the image this
// process runs, not one put in its place since. Throws PayloadError.
void OpenRunningExecutable();

// The file OpenRunningExecutable opened, held until the process ends.
PayloadFile& RunningExecutable();
