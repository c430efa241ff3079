// The streams between the 7-Zip handler and the file system: the archive
// input, optionally spread over volume files name.001, name.002, ... of one
// span size, or parts of files that the owner holds open, read in place one
// after the other; and an output file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ArchivePart.h"
#include "ComObject.h"
#include "FileIO.h"

// One part of an archive in a file the owner holds open: where its bytes
// lie, and the file's name for the volume events (none for the first part,
// the program's own).
struct TArchivePartFile {
    HANDLE file = INVALID_HANDLE_VALUE;
    TArchivePart part;
    std::wstring name;
};

class TInFileStream : public TComObject<IInStream> {
public:
    // Opens name; with a span size, name is the first volume and the others
    // are named from it without its last four characters.
    bool Open(const std::wstring& name);
    // Reads the archive from its parts, through copies of their handles;
    // false when a handle cannot be copied or a file is shorter than its
    // part.
    bool OpenParts(const std::vector<TArchivePartFile>& parts);
    void CloseFile();
    void SetSpanSize(int64_t spanSize) { FSpanSize = spanSize; }

    // The handler may use the stream only through the interface it was given.
    HRESULT __stdcall QueryInterface(REFIID, void** out) override;
    HRESULT __stdcall Read(void* data, UINT32 size, UINT32* processedSize) override;
    HRESULT __stdcall Seek(INT64 offset, UINT32 origin, UINT64* newPosition) override;

private:
    HRESULT ReadSome(void* data, UINT32 size, UINT32* processedSize);
    HRESULT ReadParts(void* data, UINT32 size, UINT32* processedSize);
    HRESULT SeekVolumes(INT64 offset, UINT32 origin, UINT64* newPosition);
    HRESULT SeekParts(INT64 offset, UINT32 origin, UINT64* newPosition);
    // Makes volume the open one; false, with the session told and cancelled,
    // when its file is missing.
    bool SwitchVolume(int volume);
    // The size of the whole set: up to the end of the last volume present.
    int64_t SetSize();

    TInFile FFile;
    int FVolume = 1;
    int64_t FSpanSize = 0;
    std::wstring FBaseName;
    int64_t FSetSize = -1;
    // Parts read in place; none: the named file or volumes.
    std::vector<TArchivePartFile> FParts;
    std::vector<std::unique_ptr<TInFile>> FPartFiles;
    std::vector<uint64_t> FPartLengths;
    uint64_t FPosition = 0;    // in the whole archive
    size_t FCurrentPart = 0;   // the part read last
    bool FPositioned = false;  // whether its file stands where FPosition lies
};

// Output files are always single files: nothing in the program spreads an
// extracted file over volumes.
class TOutFileStream : public TComObject<IOutStream> {
public:
    // Creates the file systemName (a name as the system takes it) with the
    // system's creation disposition; false when it cannot.
    bool Open(const std::wstring& systemName, DWORD creationDisposition);
    void CloseFile() { FFile.Close(); }
    HANDLE FileHandle() const { return FFile.Handle(); }

    HRESULT __stdcall Write(const void* data, UINT32 size, UINT32* processedSize) override;
    HRESULT __stdcall Seek(INT64 offset, UINT32 origin, UINT64* newPosition) override;
    HRESULT __stdcall SetSize(UINT64 newSize) override;

private:
    TOutFile FFile;
};

// Result codes of the streams.
constexpr HRESULT kNegativeSeek = HRESULT(0x80070083);  // from ERROR_NEGATIVE_SEEK
