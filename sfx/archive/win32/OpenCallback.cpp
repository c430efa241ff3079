#include "ArchiveCallbacks.h"
#include "SevenZip.h"

HRESULT AskPassword(BSTR* password) {
    return ComGuard([&] {
        if (password == nullptr) return E_POINTER;
        *password = nullptr;
        std::wstring text;
        TSevenZip* session = ActiveSevenZip;
        if (session != nullptr && session->OnPassword) session->OnPassword(session, session->FCurrentFileName, text);
        *password = SysAllocStringLen(text.data(), UINT(text.size()));
        SecureZeroMemory(text.data(), text.size() * sizeof(wchar_t));
        return *password != nullptr ? S_OK : E_OUTOFMEMORY;
    });
}

HRESULT __stdcall TArchiveOpenCallback::CryptoGetTextPassword(BSTR* password) { return AskPassword(password); }

HRESULT __stdcall TArchiveOpenCallback::SetTotal(const UINT64*, const UINT64*) { return S_OK; }

HRESULT __stdcall TArchiveOpenCallback::SetCompleted(const UINT64*, const UINT64*) { return S_OK; }
