// The objects that the 7-Zip handler calls back while it opens and extracts:
// they keep no state of their own and work on the active session's fields
// and events. All return success: trouble is reported through the session.
#pragma once

#include <string>

#include "ComObject.h"

class TSevenZip;

// The per-item stream handed to the handler; its writes go to the session's
// output file.
class TSequentialOutStream : public TComObject<IOutStream> {
public:
    HRESULT __stdcall Write(const void* data, UINT32 size, UINT32* processedSize) override;
    HRESULT __stdcall Seek(INT64 offset, UINT32 origin, UINT64* newPosition) override;
    HRESULT __stdcall SetSize(UINT64 newSize) override;
};

class TArchiveOpenCallback : public TComObject<ICryptoGetTextPassword, IArchiveOpenCallback> {
public:
    HRESULT __stdcall CryptoGetTextPassword(BSTR* password) override;
    HRESULT __stdcall SetTotal(const UINT64* files, const UINT64* bytes) override;
    HRESULT __stdcall SetCompleted(const UINT64* files, const UINT64* bytes) override;
};

class TArchiveExtractCallback : public TComObject<ICryptoGetTextPassword, IArchiveExtractCallback> {
public:
    HRESULT __stdcall CryptoGetTextPassword(BSTR* password) override;
    HRESULT __stdcall SetTotal(UINT64 total) override;
    HRESULT __stdcall SetCompleted(const UINT64* completeValue) override;
    HRESULT __stdcall GetStream(UINT32 index, ISequentialOutStream** outStream, INT32 askExtractMode) override;
    HRESULT __stdcall PrepareOperation(INT32 askExtractMode) override;
    HRESULT __stdcall SetOperationResult(INT32 opRes) override;

private:
    // Reads the item's properties into the session's per-item fields.
    static void ReadItem(TSevenZip& s, UINT32 index, std::wstring& path, bool& isFolder);
};

// The password for the handler: what the owner's OnPassword leaves, as a
// string the handler frees; the empty password without a handler.
HRESULT AskPassword(BSTR* password);
