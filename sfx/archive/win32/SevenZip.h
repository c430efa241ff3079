// The archive session over the 7-Zip extraction module: loads the module,
// opens an archive file through our input stream, lists and selects items and
// runs the handler's extraction with our callbacks, raising OnProgress,
// OnBegin, OnEnd and OnPassword back into its owner on the calling thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ComObject.h"
#include "FileStreams.h"
#include "ItemFile.h"

class TSevenZip;

using TProgressEvent = std::function<void(TSevenZip* Sender, uint8_t FileProgress, uint8_t TotalProgress, bool& Cancel)>;
// Mode 0: an item is about to be written; 1: tested; 10: next volume opened;
// 11: a volume file is missing. For mode 0, Proceed comes in true and says on
// return whether a file that exists at the destination is replaced by the
// item (once the item is whole) or kept, the item then skipped.
using TBeginEvent = std::function<void(TSevenZip* Sender, uint8_t Mode, const std::wstring& FileName,
                                       const std::wstring& DestinationFileName, bool& Proceed)>;
using TEndEvent = std::function<void(TSevenZip* Sender, const std::wstring& FileName, uint8_t Result)>;
using TOnPasswordEvent = std::function<void(TSevenZip* Sender, const std::wstring& FileName, std::wstring& Password)>;

enum TSStoredDirNames : uint8_t { ssdNone, ssdAbsolute, ssdAbsoluteNoDrv, ssdAbsoluteNoRoot, ssdRelative };

class TSevenZip {
public:
    explicit TSevenZip(void* owner = nullptr);
    ~TSevenZip();
    TSevenZip(const TSevenZip&) = delete;
    TSevenZip& operator=(const TSevenZip&) = delete;

    // Published properties. A session made in code starts with every one zero,
    // empty or false, except DLLDir: the folder of the running executable.
    std::wstring FileName;
    // The archive's bytes within files that the owner holds open, one part
    // after the other, read in place through copies of their handles; none:
    // the whole file FileName.
    std::vector<TArchivePartFile> ArchiveParts;
    int64_t SpanSize = 0;
    std::vector<std::wstring> FileSpec;
    // The items to extract by index, before FileSpec: a name is never a
    // pattern here. Empty: FileSpec decides.
    std::vector<UINT32> ItemIndices;
    std::vector<std::wstring> cUSTOMpARAMS;  // carried, not read
    std::wstring TempDir;                    // carried, not read
    std::wstring ExtractBaseDir;
    std::wstring RelativeBaseDir;  // carried, not read
    uint8_t CompressionLevel = 0;  // carried, not read
    bool Solid = false;            // carried, not read
    bool PPMD = false;             // carried, not read
    std::wstring Password;         // cleared after a run with failed items
    std::string DLLDir;            // UTF-8, with a trailing backslash
    bool UseFolderNames = false;
    // The module's decoders may work on threads of their own and call back
    // on them, one call at a time; the owner then takes the events from any
    // thread (TSessionThread hands them to its own). Otherwise every
    // callback comes on the calling thread.
    bool ModuleThreads = false;
    TSStoredDirNames StoredDirNames = ssdNone;  // carried, not read

    TProgressEvent OnProgress;
    TBeginEvent OnBegin;
    TEndEvent OnEnd;
    TOnPasswordEvent OnPassword;

    bool OpenArchive();
    HRESULT ExtractArchive();
    // The same run over the same items with nothing written: the handler
    // decodes each item and checks it, raising OnBegin with Mode 1.
    HRESULT TestArchive();
    void CloseArchive();

    // The handler, for listing after a successful OpenArchive; null before.
    IInArchive* InArchive() const { return FInArchive; }
    uint32_t ErrorCount() const { return FErrorCount; }
    // The files that the last run wrote and kept, as the owner sees them.
    const std::vector<std::wstring>& WrittenFiles() const { return FWrittenFiles; }

    // For the streams and callbacks of this binding, which reach the active
    // session only.
    bool Cancelled() const { return FCancel; }
    void SetCancel() { FCancel = true; }
    // OnBegin from a stream: a volume opened (10) or missing (11).
    void RaiseStreamBegin(uint8_t mode, const std::wstring& volumeName);
    // Gives back the handler and closes the streams' files, for unloading
    // the module.
    void ReleaseModuleObjects();

private:
    friend class TArchiveOpenCallback;
    friend class TArchiveExtractCallback;
    friend class TSequentialOutStream;
    friend HRESULT AskPassword(BSTR* password);

    bool CreateHandler();
    bool OpenStream();
    HRESULT RunHandler(INT32 testMode);
    HRESULT ExtractSelected(INT32 testMode);
    void CountFailedItem();
    // The current item's file when the handler gives it no result (a cancel,
    // a failed write): it goes, and an old file it was to replace stays.
    void DiscardOpenItem();
    void ResetInStream();

    IInArchive* FInArchive = nullptr;
    TComPtr<TInFileStream> FInStream;
    TComPtr<TOutFileStream> FOutStream;
    bool FCancel = false;
    uint32_t FErrorCount = 0;
    std::vector<std::wstring> FWrittenFiles;
    uint64_t FTotalSize = 0, FLastCompleted = 0, FFileSize = 0, FFileDone = 0;
    SYSTEMTIME FFileTime{};     // local, for the item text
    FILETIME FFileTimeUtc{};    // as stored, for the written file
    bool FHasFileTime = false;
    uint32_t FFileAttributes = 0;
    std::wstring FCurrentFileName;    // as the owner sees it
    TItemFile FItem;             // the current item's file
    bool FOutputOpen = false;
    bool FItemCounted = false;  // the current item has failed already
};

// The session whose OpenArchive or ExtractArchive ran last.
extern TSevenZip* ActiveSevenZip;
