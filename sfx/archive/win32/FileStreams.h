// The streams between the 7-Zip handler and the file system: the archive
// input, optionally spread over volume files name.001, name.002, ... of one
// span size, or a part of one file read in place; and an output file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ArchivePart.h"
#include "ComObject.h"
#include "FileIO.h"

class TInFileStream : public TComObject<IInStream> {
public:
    // Opens name; with a span size, name is the first volume and the others
    // are named from it without its last four characters.
    bool Open(const std::wstring& name);
    // Reads the archive that is part of the open file through a copy of its
    // handle; false when the handle cannot be copied or the file is shorter
    // than the part.
    bool OpenPart(HANDLE file, TArchivePart part);
    void CloseFile() { FFile.Close(); }
    void SetSpanSize(int64_t spanSize) { FSpanSize = spanSize; }

    // The handler may use the stream only through the interface it was given.
    HRESULT __stdcall QueryInterface(REFIID, void** out) override;
    HRESULT __stdcall Read(void* data, UINT32 size, UINT32* processedSize) override;
    HRESULT __stdcall Seek(INT64 offset, UINT32 origin, UINT64* newPosition) override;

private:
    HRESULT ReadPart(void* data, UINT32 size, UINT32* processedSize);
    HRESULT SeekVolumes(INT64 offset, UINT32 origin, UINT64* newPosition);
    HRESULT SeekPart(INT64 offset, UINT32 origin, UINT64* newPosition);
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
    std::optional<TArchivePart> FPart;  // none: the whole file
    uint64_t FPosition = 0;  // in the part
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
