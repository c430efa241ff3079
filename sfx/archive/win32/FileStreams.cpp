#include "FileStreams.h"

#include "SevenZip.h"
#include "SystemPath.h"
#include "VolumeLayout.h"

namespace {

constexpr UINT32 kSeekEnd = 2;

bool Cancelled() { return ActiveSevenZip != nullptr && ActiveSevenZip->Cancelled(); }

void RaiseVolumeEvent(uint8_t mode, const std::wstring& volumeName) {
    if (ActiveSevenZip != nullptr) ActiveSevenZip->RaiseStreamBegin(mode, volumeName);
}

HRESULT SeekFailure() {
    const DWORD error = GetLastError();
    return error == ERROR_NEGATIVE_SEEK || error == ERROR_SUCCESS ? kNegativeSeek : HRESULT_FROM_WIN32(error);
}

HRESULT SeekSingle(TFileBase& file, INT64 offset, UINT32 origin, UINT64* newPosition) {
    uint64_t position = 0;
    if (!file.Seek(offset, origin, position)) return SeekFailure();
    if (newPosition) *newPosition = position;
    return S_OK;
}

}  // namespace

bool TInFileStream::Open(const std::wstring& name) {
    FBaseName = name.size() >= 4 ? name.substr(0, name.size() - 4) : std::wstring();
    FVolume = 1;
    FSetSize = -1;
    CloseFile();
    FPosition = 0;
    return FFile.Open(SystemPath(name));
}

bool TInFileStream::OpenParts(const std::vector<TArchivePartFile>& parts) {
    CloseFile();
    FSpanSize = 0;
    FPosition = 0;
    for (const TArchivePartFile& part : parts) {
        auto file = std::make_unique<TInFile>();
        LARGE_INTEGER fileSize{};
        if (!file->Duplicate(part.file) || !GetFileSizeEx(file->Handle(), &fileSize) ||
            !PartFits(part.part, uint64_t(fileSize.QuadPart))) {
            CloseFile();
            return false;
        }
        FPartFiles.push_back(std::move(file));
        FPartLengths.push_back(part.part.length);
    }
    FParts = parts;
    return true;
}

void TInFileStream::CloseFile() {
    FFile.Close();
    FParts.clear();
    FPartFiles.clear();
    FPartLengths.clear();
    FCurrentPart = 0;
    FPositioned = false;
}

HRESULT __stdcall TInFileStream::QueryInterface(REFIID, void** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT __stdcall TInFileStream::Read(void* data, UINT32 size, UINT32* processedSize) {
    return ComGuard([&] { return ReadSome(data, size, processedSize); });
}

HRESULT TInFileStream::ReadSome(void* data, UINT32 size, UINT32* processedSize) {
    if (processedSize) *processedSize = 0;
    if (Cancelled()) return E_ABORT;
    if (!FParts.empty()) return ReadParts(data, size, processedSize);
    if (FSpanSize > 0) {
        uint64_t offset = 0;
        if (!FFile.GetPosition(offset)) return E_FAIL;
        // At the end of a volume the stream goes on in the next one.
        if (int64_t(offset) >= FSpanSize && size > 0) {
            if (!SwitchVolume(FVolume + 1)) return E_ABORT;
            offset = 0;
        }
        size = ClipToVolume(int64_t(offset), size, FSpanSize);
    }
    uint32_t read = 0;
    if (!FFile.Read(data, size, read)) return E_FAIL;
    if (processedSize) *processedSize = read;
    return S_OK;
}

// A read stops at the end of a part; the next one goes on in the next part.
HRESULT TInFileStream::ReadParts(void* data, UINT32 size, UINT32* processedSize) {
    const PartPlace place = LocateInParts(FPartLengths, FPosition);
    if (place.index >= FParts.size()) return S_OK;
    if (place.index != FCurrentPart) {
        FCurrentPart = place.index;
        FPositioned = false;
        if (place.index > 0) RaiseVolumeEvent(10, FParts[place.index].name);
    }
    TInFile& file = *FPartFiles[place.index];
    uint64_t reached = 0;
    if (!FPositioned && !file.SeekToBegin(FParts[place.index].part.offset + place.offset, reached)) return SeekFailure();
    FPositioned = true;
    uint32_t read = 0;
    if (!file.Read(data, ReadableInPart(FPartLengths[place.index], place.offset, size), read)) return E_FAIL;
    FPosition += read;
    if (processedSize) *processedSize = read;
    return S_OK;
}

HRESULT __stdcall TInFileStream::Seek(INT64 offset, UINT32 origin, UINT64* newPosition) {
    return ComGuard([&] {
        if (origin > kSeekEnd) return STG_E_INVALIDFUNCTION;
        if (!FParts.empty()) return SeekParts(offset, origin, newPosition);
        if (FSpanSize <= 0) return SeekSingle(FFile, offset, origin, newPosition);
        return SeekVolumes(offset, origin, newPosition);
    });
}

HRESULT TInFileStream::SeekVolumes(INT64 offset, UINT32 origin, UINT64* newPosition) {
    int64_t target = offset;
    if (origin == FILE_CURRENT) {
        uint64_t position = 0;
        if (!FFile.GetPosition(position)) return E_FAIL;
        target += StreamPosition({FVolume, int64_t(position)}, FSpanSize);
    } else if (origin == FILE_END) {
        target += SetSize();
    }
    if (target < 0) return kNegativeSeek;
    const VolumePlace place = LocateInVolumes(target, FSpanSize);
    if (place.volume != FVolume && !SwitchVolume(place.volume)) {
        // The next read fails: the cancel flag is set.
        if (newPosition) *newPosition = uint64_t(target);
        return S_OK;
    }
    uint64_t reached = 0;
    if (!FFile.SeekToBegin(uint64_t(place.offset), reached)) return E_FAIL;
    if (newPosition) *newPosition = uint64_t(StreamPosition({FVolume, int64_t(reached)}, FSpanSize));
    return S_OK;
}

// A place outside the archive is refused: the executable around it is none
// of the handler's business.
HRESULT TInFileStream::SeekParts(INT64 offset, UINT32 origin, UINT64* newPosition) {
    uint64_t total = 0, reached = 0;
    for (uint64_t length : FPartLengths) total += length;
    if (!SeekInPart(total, FPosition, offset, origin, reached))
        return offset < 0 ? kNegativeSeek : HRESULT_FROM_WIN32(ERROR_SEEK);
    if (reached != FPosition) FPositioned = false;
    FPosition = reached;
    if (newPosition) *newPosition = reached;
    return S_OK;
}

bool TInFileStream::SwitchVolume(int volume) {
    FVolume = volume;
    FFile.Close();
    const std::wstring name = VolumeName(FBaseName, volume);
    if (volume > kMaxVolume || !FileExists(name) || !FFile.Open(SystemPath(name))) {
        RaiseVolumeEvent(11, name);
        if (ActiveSevenZip != nullptr) ActiveSevenZip->SetCancel();
        return false;
    }
    RaiseVolumeEvent(10, name);
    return true;
}

int64_t TInFileStream::SetSize() {
    if (FSetSize >= 0) return FSetSize;
    // A missing volume in the middle is found when it is read.
    for (int volume = kMaxVolume; volume >= 1; --volume) {
        const int64_t size = FileSizeOf(VolumeName(FBaseName, volume));
        if (size >= 0) return FSetSize = StreamPosition({volume, size}, FSpanSize);
    }
    return FSetSize = 0;
}

bool TOutFileStream::Open(const std::wstring& systemName, DWORD creationDisposition) {
    return FFile.Open(systemName, FILE_SHARE_READ, creationDisposition, FILE_ATTRIBUTE_NORMAL);
}

// A chunk the system does not write at all ends the call with what was written.
HRESULT __stdcall TOutFileStream::Write(const void* data, UINT32 size, UINT32* processedSize) {
    return ComGuard([&] {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        UINT32 written = 0;
        HRESULT result = S_OK;
        while (written < size) {
            uint32_t done = 0;
            if (!FFile.Write(bytes + written, size - written, done) || done == 0) {
                result = E_FAIL;
                break;
            }
            written += done;
        }
        if (processedSize) *processedSize = written;
        return result;
    });
}

HRESULT __stdcall TOutFileStream::Seek(INT64 offset, UINT32 origin, UINT64* newPosition) {
    return ComGuard([&] { return origin > kSeekEnd ? STG_E_INVALIDFUNCTION : SeekSingle(FFile, offset, origin, newPosition); });
}

HRESULT __stdcall TOutFileStream::SetSize(UINT64 newSize) {
    return ComGuard([&] {
        uint64_t position = 0, back = 0;
        if (!FFile.GetPosition(position)) return E_FAIL;
        if (!FFile.SetLength(newSize)) return E_FAIL;
        return FFile.SeekToBegin(position, back) ? S_OK : E_FAIL;
    });
}
