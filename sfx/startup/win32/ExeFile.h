// The program's own executable, opened once at start-up and read by position
// for its payload: the seal, the module, the blocks and the archive all come
// through that one opening.
#pragma once

#include <windows.h>

#include <string>

#include "ByteSource.h"

class ExeFile : public ByteSource {
public:
    // Opened for reading, shared with other readers only: while it is open
    // nobody can write, rename or replace the file. Throws PayloadError.
    explicit ExeFile(const std::wstring& path);
    ~ExeFile() override;
    ExeFile(const ExeFile&) = delete;
    ExeFile& operator=(const ExeFile&) = delete;

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

// Opens the file at the program's path and checks that it is the image this
// process runs, not one put in its place since. Throws PayloadError.
void OpenRunningExecutable();

// The file OpenRunningExecutable opened, held until the process ends.
ExeFile& RunningExecutable();
