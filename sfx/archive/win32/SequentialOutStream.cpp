#include "ArchiveCallbacks.h"
#include "SevenZip.h"

HRESULT __stdcall TSequentialOutStream::Write(const void* data, UINT32 size, UINT32* processedSize) {
    return ComGuard([&] {
        UINT32 written = 0;
        TSevenZip* session = ActiveSevenZip;
        if (session != nullptr && session->FOutStream) session->FOutStream->Write(data, size, &written);
        // A short count is the handler's sign of a failed write.
        if (processedSize) *processedSize = written;
        return S_OK;
    });
}

// The handler never seeks or sizes the per-item stream.
HRESULT __stdcall TSequentialOutStream::Seek(INT64, UINT32, UINT64*) { return S_OK; }

HRESULT __stdcall TSequentialOutStream::SetSize(UINT64) { return S_OK; }
