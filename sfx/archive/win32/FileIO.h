// One operating-system file handle with wide names and 64-bit positions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class TFileBase {
public:
    TFileBase() = default;
    ~TFileBase() { Close(); }
    TFileBase(const TFileBase&) = delete;
    TFileBase& operator=(const TFileBase&) = delete;

    // Closes a handle still open, then opens name with these system values.
    bool Create(const std::wstring& name, DWORD access, DWORD shareMode, DWORD creationDisposition, DWORD flagsAndAttributes);
    // Closes a handle still open, then takes a copy of file's handle, which
    // shares its position.
    bool Duplicate(HANDLE file);
    // Always true; errors while closing are of no use to anyone.
    bool Close();
    bool Seek(int64_t distance, DWORD origin, uint64_t& newPosition);
    bool GetPosition(uint64_t& position) { return Seek(0, FILE_CURRENT, position); }
    bool SeekToBegin(uint64_t position, uint64_t& newPosition) { return Seek(int64_t(position), FILE_BEGIN, newPosition); }
    bool IsOpen() const { return FOpened; }
    HANDLE Handle() const { return FHandle; }

protected:
    HANDLE FHandle = INVALID_HANDLE_VALUE;
    bool FOpened = false;
};

class TInFile : public TFileBase {
public:
    bool Open(const std::wstring& name, DWORD shareMode, DWORD creationDisposition, DWORD flags) {
        return Create(name, GENERIC_READ, shareMode, creationDisposition, flags);
    }
    bool Open(const std::wstring& name) { return Open(name, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL); }
    bool Read(void* buffer, uint32_t size, uint32_t& read);
};

class TOutFile : public TFileBase {
public:
    bool Open(const std::wstring& name, DWORD shareMode, DWORD creationDisposition, DWORD flags) {
        return Create(name, GENERIC_WRITE, shareMode, creationDisposition, flags);
    }
    bool Open(const std::wstring& name) { return Open(name, FILE_SHARE_READ, FCreationDisposition, FILE_ATTRIBUTE_NORMAL); }
    bool Write(const void* buffer, uint32_t size, uint32_t& written);
    void SetCreateAlways() { FCreationDisposition = CREATE_ALWAYS; }
    void SetOpenExisting() { FCreationDisposition = OPEN_EXISTING; }
    bool SetLength(uint64_t length);

private:
    DWORD FCreationDisposition = CREATE_NEW;
};
