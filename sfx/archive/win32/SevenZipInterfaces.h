// Our declarations of the 7-Zip module's binary interface (x86): the class
// and interface identifiers, the interfaces in vtable order with __stdcall
// methods, and the protocol values that the session uses. IUnknown, GUID,
// PROPVARIANT and BSTR are the system's own.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <propidl.h>

#include <cstddef>
#include <cstdint>

// {23170F69-40C1-278A-0000-00gg00ss0000}
constexpr GUID SevenZipIid(uint8_t group, uint8_t sub) {
    return {0x23170F69, 0x40C1, 0x278A, {0, 0, 0, group, 0, sub, 0, 0}};
}

// The system's IUnknown identifier, held here so that the program needs no
// identifier library.
constexpr GUID kIidIUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

constexpr GUID CLSID_Format7z = {0x23170F69, 0x40C1, 0x278A, {0x10, 0, 0, 0x01, 0x10, 0x07, 0, 0}};

struct ISequentialInStream : IUnknown {
    static constexpr GUID kIid = SevenZipIid(0x03, 0x01);
    using Base = IUnknown;
    virtual HRESULT __stdcall Read(void* data, UINT32 size, UINT32* processedSize) = 0;
};

struct IInStream : ISequentialInStream {
    static constexpr GUID kIid = SevenZipIid(0x03, 0x03);
    using Base = ISequentialInStream;
    virtual HRESULT __stdcall Seek(INT64 offset, UINT32 origin, UINT64* newPosition) = 0;
};

struct ISequentialOutStream : IUnknown {
    static constexpr GUID kIid = SevenZipIid(0x03, 0x02);
    using Base = IUnknown;
    virtual HRESULT __stdcall Write(const void* data, UINT32 size, UINT32* processedSize) = 0;
};

struct IOutStream : ISequentialOutStream {
    static constexpr GUID kIid = SevenZipIid(0x03, 0x04);
    using Base = ISequentialOutStream;
    virtual HRESULT __stdcall Seek(INT64 offset, UINT32 origin, UINT64* newPosition) = 0;
    virtual HRESULT __stdcall SetSize(UINT64 newSize) = 0;
};

struct IProgress : IUnknown {
    static constexpr GUID kIid = SevenZipIid(0x00, 0x05);
    using Base = IUnknown;
    virtual HRESULT __stdcall SetTotal(UINT64 total) = 0;
    virtual HRESULT __stdcall SetCompleted(const UINT64* completeValue) = 0;
};

struct ICryptoGetTextPassword : IUnknown {
    static constexpr GUID kIid = SevenZipIid(0x05, 0x10);
    using Base = IUnknown;
    virtual HRESULT __stdcall CryptoGetTextPassword(BSTR* password) = 0;
};

struct IArchiveOpenCallback : IUnknown {
    static constexpr GUID kIid = SevenZipIid(0x06, 0x10);
    using Base = IUnknown;
    virtual HRESULT __stdcall SetTotal(const UINT64* files, const UINT64* bytes) = 0;
    virtual HRESULT __stdcall SetCompleted(const UINT64* files, const UINT64* bytes) = 0;
};

struct IArchiveExtractCallback : IProgress {
    static constexpr GUID kIid = SevenZipIid(0x06, 0x20);
    using Base = IProgress;
    virtual HRESULT __stdcall GetStream(UINT32 index, ISequentialOutStream** outStream, INT32 askExtractMode) = 0;
    virtual HRESULT __stdcall PrepareOperation(INT32 askExtractMode) = 0;
    virtual HRESULT __stdcall SetOperationResult(INT32 opRes) = 0;
};

struct ISetProperties : IUnknown {
    static constexpr GUID kIid = SevenZipIid(0x06, 0x03);
    using Base = IUnknown;
    virtual HRESULT __stdcall SetProperties(const wchar_t* const* names, const PROPVARIANT* values, UINT32 numProps) = 0;
};

struct IInArchive : IUnknown {
    static constexpr GUID kIid = SevenZipIid(0x06, 0x60);
    using Base = IUnknown;
    virtual HRESULT __stdcall Open(IInStream* stream, const UINT64* maxCheckStartPosition, IArchiveOpenCallback* openCallback) = 0;
    virtual HRESULT __stdcall Close() = 0;
    virtual HRESULT __stdcall GetNumberOfItems(UINT32* numItems) = 0;
    virtual HRESULT __stdcall GetProperty(UINT32 index, PROPID propID, PROPVARIANT* value) = 0;
    virtual HRESULT __stdcall Extract(const UINT32* indices, UINT32 numItems, INT32 testMode, IArchiveExtractCallback* extractCallback) = 0;
    virtual HRESULT __stdcall GetArchiveProperty(PROPID propID, PROPVARIANT* value) = 0;
    virtual HRESULT __stdcall GetNumberOfProperties(UINT32* numProps) = 0;
    virtual HRESULT __stdcall GetPropertyInfo(UINT32 index, BSTR* name, PROPID* propID, VARTYPE* varType) = 0;
    virtual HRESULT __stdcall GetNumberOfArchiveProperties(UINT32* numProps) = 0;
    virtual HRESULT __stdcall GetArchivePropertyInfo(UINT32 index, BSTR* name, PROPID* propID, VARTYPE* varType) = 0;
};

// The module's one export that the session calls.
using CreateObjectFunc = HRESULT(__stdcall*)(const GUID* clsid, const GUID* iid, void** outObject);

// Item property ids.
enum : PROPID {
    kpidPath = 3,
    kpidIsFolder = 6,
    kpidSize = 7,
    kpidAttributes = 9,
    kpidLastWriteTime = 12,
};

// What the handler asks of an item.
enum : INT32 { kAskExtract = 0, kAskTest = 1, kAskSkip = 2 };

// An item's operation result; any other value is a failure.
constexpr INT32 kOpResultOk = 0;

// The layout that the module and we must share (x86; the value stays at 8
// where pointers are 8 bytes).
static_assert(sizeof(GUID) == 16);
static_assert(sizeof(PROPVARIANT) == (sizeof(void*) == 4 ? 16 : 24));
static_assert(offsetof(PROPVARIANT, vt) == 0);
static_assert(offsetof(PROPVARIANT, boolVal) == 8);
static_assert(offsetof(PROPVARIANT, ulVal) == 8);
static_assert(offsetof(PROPVARIANT, uhVal) == 8);
static_assert(offsetof(PROPVARIANT, filetime) == 8);
static_assert(offsetof(PROPVARIANT, bstrVal) == 8);
static_assert(sizeof(VARTYPE) == 2 && sizeof(VARIANT_BOOL) == 2);
static_assert(sizeof(wchar_t) == 2);
