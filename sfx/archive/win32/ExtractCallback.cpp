#include "ArchiveCallbacks.h"
#include "ItemAttributes.h"
#include "ItemInfoText.h"
#include "ItemPath.h"
#include "ItemTarget.h"
#include "ProgressPercent.h"
#include "PropValue.h"
#include "SevenZip.h"
#include "SystemPath.h"

namespace {

// The item's stored time as the owner reads it: local, or now when the
// stored time has no local form.
SYSTEMTIME LocalTimeOf(const FILETIME& utc) {
    FILETIME local;
    SYSTEMTIME time;
    if (FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &time)) return time;
    GetLocalTime(&time);
    return time;
}

}  // namespace

void TArchiveExtractCallback::ReadItem(TSevenZip& s, UINT32 index, std::wstring& path, bool& isFolder) {
    IInArchive* archive = s.InArchive();
    path = ItemPathOf(archive, index);
    isFolder = TPropValue(archive, index, kpidIsFolder).AsBool();
    s.FFileAttributes = uint32_t(TPropValue(archive, index, kpidAttributes).AsUInt64());
    s.FFileSize = TPropValue(archive, index, kpidSize).AsUInt64();
    const std::optional<FILETIME> time = TPropValue(archive, index, kpidLastWriteTime).AsFileTime();
    s.FHasFileTime = time.has_value();
    s.FFileTimeUtc = time.value_or(FILETIME{});
    s.FFileTime = LocalTimeOf(s.FFileTimeUtc);
}

HRESULT __stdcall TArchiveExtractCallback::CryptoGetTextPassword(BSTR* password) { return AskPassword(password); }

HRESULT __stdcall TArchiveExtractCallback::SetTotal(UINT64 total) {
    if (ActiveSevenZip != nullptr) ActiveSevenZip->FTotalSize = total;
    return S_OK;
}

HRESULT __stdcall TArchiveExtractCallback::SetCompleted(const UINT64* completeValue) {
    return ComGuard([&] {
        TSevenZip* s = ActiveSevenZip;
        if (s == nullptr || completeValue == nullptr) return S_OK;
        const uint64_t completed = *completeValue;
        s->FFileDone += completed - s->FLastCompleted;
        s->FLastCompleted = completed;
        if (s->FTotalSize == 0 || s->FFileSize == 0 || !s->OnProgress) return S_OK;
        s->OnProgress(s, ProgressPercent(s->FFileDone, s->FFileSize), ProgressPercent(completed, s->FTotalSize), s->FCancel);
        return S_OK;
    });
}

HRESULT __stdcall TArchiveExtractCallback::GetStream(UINT32 index, ISequentialOutStream** outStream, INT32 askExtractMode) {
    return ComGuard([&] {
        if (outStream == nullptr) return E_POINTER;
        *outStream = nullptr;
        TSevenZip* s = ActiveSevenZip;
        if (s == nullptr) return S_OK;
        std::wstring path;
        bool isFolder = false;
        ReadItem(*s, index, path, isFolder);
        s->DiscardOpenItem();  // one the handler left without a result
        s->FItemCounted = false;
        s->FFileDone = 0;
        if (!s->ExtractBaseDir.empty() && s->ExtractBaseDir.back() != L'\\') s->ExtractBaseDir += L'\\';
        const ItemPathParts parts = SplitItemPath(path);
        // Nothing is created for a path that could reach outside the
        // destination, a device, a stream or a name Windows would alter; a
        // test fails such an item as the extraction would.
        if (askExtractMode <= kAskTest && !s->FCancel && !IsSafeItemPath(path)) {
            s->CountFailedItem();
            return S_OK;
        }
        if (askExtractMode > kAskExtract || s->FCancel) {
            if (askExtractMode == kAskTest && s->OnBegin && !isFolder) {
                bool proceed = false;
                s->OnBegin(s, 1, ItemInfoText(s->FFileSize, s->FFileTime), parts.folder + parts.name, proceed);
            }
            return S_OK;
        }
        // The destination is trusted; nothing below it is written through a
        // link that was there before.
        if (PassesThroughLink(s->ExtractBaseDir, s->UseFolderNames ? path : parts.name)) {
            s->CountFailedItem();
            return S_OK;
        }
        if (isFolder) {
            // A folder that cannot be made shows up in the files below it.
            if (s->UseFolderNames) CreateFolderTree(s->ExtractBaseDir + path);
            return S_OK;
        }

        const std::wstring folder = s->UseFolderNames ? s->ExtractBaseDir + parts.folder : s->ExtractBaseDir;
        const std::wstring destination = folder + parts.name;
        bool proceed = true;
        if (s->OnBegin) s->OnBegin(s, 0, ItemInfoText(s->FFileSize, s->FFileTime), destination, proceed);
        const bool replacing = FileExists(destination);
        if (replacing && !proceed) return S_OK;  // the owner keeps the old file
        // A name that only a short-name alias answers to is another file.
        if (replacing && !HasOwnLongName(destination)) {
            s->CountFailedItem();
            return S_OK;
        }
        if (!FolderExists(folder)) CreateFolderTree(folder);
        if (!s->FOutStream || !s->FItem.Open(*s->FOutStream.Get(), destination, replacing)) {
            s->CountFailedItem();
            return S_OK;
        }
        s->FCurrentFileName = destination;
        s->FOutputOpen = true;
        TSequentialOutStream* stream = new TSequentialOutStream;
        stream->AddRef();  // the handler's reference
        *outStream = stream;
        return S_OK;
    });
}

HRESULT __stdcall TArchiveExtractCallback::PrepareOperation(INT32) { return S_OK; }

HRESULT __stdcall TArchiveExtractCallback::SetOperationResult(INT32 opRes) {
    return ComGuard([&] {
        TSevenZip* s = ActiveSevenZip;
        if (s == nullptr) return S_OK;
        if (opRes != kOpResultOk) s->CountFailedItem();
        if (!s->FOutputOpen) return S_OK;
        s->FOutputOpen = false;
        if (opRes != kOpResultOk) {
            // Damaged, or decoded with a wrong password: nothing of it stays.
            s->FOutStream->CloseFile();
            s->FItem.Discard();
        } else {
            // The stored time exactly as it is, set through the handle that
            // wrote the file; then, under its final name, the attributes,
            // read-only last. Failures of these two leave the file as written.
            if (s->FHasFileTime) SetFileTime(s->FOutStream->FileHandle(), nullptr, nullptr, &s->FFileTimeUtc);
            s->FOutStream->CloseFile();
            if (s->FItem.Keep()) {
                SetFileAttributesW(s->FItem.SystemName().c_str(), ApplicableAttributes(s->FFileAttributes));
                s->FWrittenFiles.push_back(s->FCurrentFileName);
            } else {
                s->CountFailedItem();
            }
        }
        if (s->OnEnd) s->OnEnd(s, s->FCurrentFileName, uint8_t(opRes));
        return S_OK;
    });
}
