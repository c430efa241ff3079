#include "WorkFolderCreate.h"

#include <windows.h>
#include <sddl.h>

#include <vector>

#include "ModuleCopy.h"
#include "PayloadError.h"
#include "StartupState.h"
#include "SystemPath.h"
#include "SystemRandom.h"
#include "WorkFolder.h"

namespace {

HANDLE heldFolder = INVALID_HANDLE_VALUE;

class Token {
public:
    Token() {
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &handle_)) throw PayloadError("no process token");
    }
    ~Token() { CloseHandle(handle_); }
    Token(const Token&) = delete;
    Token& operator=(const Token&) = delete;

    std::wstring UserSid() const {
        DWORD size = 0;
        GetTokenInformation(handle_, TokenUser, nullptr, 0, &size);
        std::vector<uint8_t> user(size);
        if (size == 0 || !GetTokenInformation(handle_, TokenUser, user.data(), size, &size))
            throw PayloadError("the user is unknown");
        wchar_t* text = nullptr;
        if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text))
            throw PayloadError("the user is unknown");
        const std::wstring sid(text);
        LocalFree(text);
        return sid;
    }
    // Systems without elevation (before Vista) do not know the question.
    bool Elevated() const {
        TOKEN_ELEVATION elevation{};
        DWORD size = 0;
        return GetTokenInformation(handle_, TokenElevation, &elevation, sizeof elevation, &size) &&
               elevation.TokenIsElevated != 0;
    }

private:
    HANDLE handle_ = nullptr;
};

class FolderSecurity {
public:
    FolderSecurity() {
        const Token token;
        const std::wstring sddl = WorkFolderDescriptor(token.UserSid(), token.Elevated());
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor_, nullptr))
            throw PayloadError("the work folder's access cannot be described");
        attributes_.nLength = sizeof attributes_;
        attributes_.lpSecurityDescriptor = descriptor_;
    }
    ~FolderSecurity() { LocalFree(descriptor_); }
    FolderSecurity(const FolderSecurity&) = delete;
    FolderSecurity& operator=(const FolderSecurity&) = delete;

    SECURITY_ATTRIBUTES* Attributes() { return &attributes_; }

private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
    SECURITY_ATTRIBUTES attributes_{};
};

}  // namespace

void CreateWorkFolder() {
    FolderSecurity security;
    workFolder = CreateFreshWorkFolder(systemTempPath, SystemRandom, [&](const std::string& candidate) {
        if (CreateDirectoryW(WideFromUtf8(candidate).c_str(), security.Attributes())) return FolderCreation::kCreated;
        return GetLastError() == ERROR_ALREADY_EXISTS ? FolderCreation::kExists : FolderCreation::kFailed;
    });
    // Others may list it, never delete or rename it.
    heldFolder = CreateFileW(WideFromUtf8(workFolder).c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (heldFolder == INVALID_HANDLE_VALUE) throw PayloadError("the work folder cannot be held");
}

void RemoveWorkFolder() {
    if (workFolder.empty()) return;
    ReleaseModuleFile();
    if (heldFolder != INVALID_HANDLE_VALUE) CloseHandle(heldFolder);
    heldFolder = INVALID_HANDLE_VALUE;
    // Deliberately unchecked: a file that was never written is simply not
    // there.
    DeleteFileW(WideFromUtf8(workFolder + kModuleFileName).c_str());
    RemoveDirectoryW(WideFromUtf8(workFolder).c_str());
}
