#include "SevenZip.h"

#include <algorithm>
#include <limits>

#include "ArchiveCallbacks.h"
#include "FileSpecMatch.h"
#include "PropValue.h"
#include "SevenZipModule.h"
#include "SystemPath.h"

TSevenZip* ActiveSevenZip = nullptr;

namespace {

std::string ExecutableFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    const std::wstring text(path, length);
    return Utf8FromWide(text.substr(0, text.find_last_of(L'\\') + 1));
}

bool EndsWithFirstVolume(const std::wstring& name) {
    const size_t dot = name.find_last_of(L'.');
    return dot != std::wstring::npos && name.substr(dot) == L".001";
}

// The handler's multithreaded mixer stays off: it would run the coders of a
// chain (BCJ2 and its streams) on threads of their own and call back from
// them at the same time. The decoders' own threads (LZMA2 in several
// chunks) are left to the module with decoderThreads, else one thread: then
// every callback comes on the calling thread. One call sets both, as each
// call resets every setting.
bool SetThreads(IInArchive* archive, bool decoderThreads) {
    ISetProperties* properties = nullptr;
    if (archive->QueryInterface(ISetProperties::kIid, reinterpret_cast<void**>(&properties)) != S_OK || !properties)
        return true;  // a handler without threads has nothing to set
    const wchar_t* names[] = {L"mtf", L"mt"};
    PROPVARIANT values[2] = {};
    values[0].vt = VT_BOOL;
    values[0].boolVal = VARIANT_FALSE;
    values[1].vt = VT_UI4;
    values[1].ulVal = 1;
    const HRESULT result = properties->SetProperties(names, values, decoderThreads ? 1 : 2);
    properties->Release();
    return result == S_OK;
}

}  // namespace

TSevenZip::TSevenZip(void*)
    : DLLDir(ExecutableFolder()), FInStream(new TInFileStream), FOutStream(new TOutFileStream) {
    RegisterSession(this);
}

TSevenZip::~TSevenZip() {
    ReleaseModuleObjects();
    UnregisterSession(this);
    if (ActiveSevenZip == this) ActiveSevenZip = nullptr;
}

void TSevenZip::ReleaseModuleObjects() {
    if (FInArchive != nullptr) std::exchange(FInArchive, nullptr)->Release();
    FInStream->CloseFile();
    DiscardOpenItem();
}

void TSevenZip::DiscardOpenItem() {
    FOutStream->CloseFile();
    if (FOutputOpen) FItem.Discard();
    FOutputOpen = false;
}

void TSevenZip::RaiseStreamBegin(uint8_t mode, const std::wstring& volumeName) {
    bool proceed = false;
    if (OnBegin) OnBegin(this, mode, volumeName, std::wstring(), proceed);
}

bool TSevenZip::CreateHandler() {
    if (SevenZipModule(WideFromUtf8(DLLDir)) == nullptr) return false;
    const CreateObjectFunc createObject = SevenZipCreateObject();
    if (createObject == nullptr) return false;
    if (FInArchive != nullptr) std::exchange(FInArchive, nullptr)->Release();
    void* handler = nullptr;
    if (createObject(&CLSID_Format7z, &IInArchive::kIid, &handler) != S_OK || handler == nullptr) return false;
    FInArchive = static_cast<IInArchive*>(handler);
    return true;
}

bool TSevenZip::OpenStream() {
    SpanSize = 0;
    if (!ArchiveParts.empty()) return FInStream->OpenParts(ArchiveParts);
    if (!FileExists(FileName)) return false;
    if (EndsWithFirstVolume(FileName)) SpanSize = FileSizeOf(FileName);
    FInStream->SetSpanSize(SpanSize);
    return FInStream->Open(FileName);
}

bool TSevenZip::OpenArchive() {
    ActiveSevenZip = this;
    FCancel = false;
    if (!CreateHandler()) return false;
    if (!SetThreads(FInArchive, ModuleThreads) || !OpenStream()) return false;
    TArchiveOpenCallback* callback = new TArchiveOpenCallback;
    TComPtr<TArchiveOpenCallback> hold(callback);
    // The file is the archive alone and is read from its start; the handler
    // would also find an archive further on.
    const bool opened = FInArchive->Open(FInStream.Get(), nullptr, callback) == S_OK;
    UINT32 count = 0;
    FInArchive->GetNumberOfItems(&count);
    if (!opened) FInStream->CloseFile();
    return opened;
}

void TSevenZip::CountFailedItem() {
    if (FItemCounted) return;
    FItemCounted = true;
    if (FErrorCount < std::numeric_limits<uint32_t>::max()) ++FErrorCount;
}

HRESULT TSevenZip::ExtractSelected(INT32 testMode) {
    TComPtr<TArchiveExtractCallback> callback(new TArchiveExtractCallback);
    UINT32 count = 0;
    if (FInArchive->GetNumberOfItems(&count) != S_OK) return E_FAIL;
    FOutStream = TComPtr<TOutFileStream>(new TOutFileStream);
    if (ItemIndices.empty() && FileSpec.empty()) return FInArchive->Extract(nullptr, 0xFFFFFFFF, testMode, callback.Get());
    std::vector<UINT32> selected;
    if (!ItemIndices.empty()) {
        // The handler takes them ascending, once each, and of this archive.
        for (UINT32 index : ItemIndices)
            if (index < count) selected.push_back(index);
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    } else {
        for (UINT32 index = 0; index < count; ++index)
            if (ItemMatchesFileSpec(ItemPathOf(FInArchive, index), FileSpec)) selected.push_back(index);
    }
    // Nothing selected is nothing to do, not a failure.
    if (selected.empty()) return S_OK;
    return FInArchive->Extract(selected.data(), UINT32(selected.size()), testMode, callback.Get());
}

HRESULT TSevenZip::ExtractArchive() { return RunHandler(0); }

HRESULT TSevenZip::TestArchive() { return RunHandler(1); }

HRESULT TSevenZip::RunHandler(INT32 testMode) {
    ActiveSevenZip = this;
    FCancel = false;
    FLastCompleted = 0;
    FErrorCount = 0;
    FWrittenFiles.clear();
    if (!OpenArchive()) return E_FAIL;
    const HRESULT result = ExtractSelected(testMode);
    DiscardOpenItem();
    CloseArchive();
    if (OnProgress && !FCancel) {
        bool cancel = FCancel;
        OnProgress(this, 100, 100, cancel);
        FCancel = cancel;
    }
    if (FErrorCount != 0) Password.clear();
    return result;
}

void TSevenZip::ResetInStream() { FInStream = TComPtr<TInFileStream>(new TInFileStream); }

void TSevenZip::CloseArchive() {
    if (FInArchive != nullptr) FInArchive->Close();
    FInStream->CloseFile();
    ResetInStream();
}
