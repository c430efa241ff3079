#include "WorkFolder.h"

#include "PayloadError.h"

std::string WorkFolderCandidate(const std::string& tempPath, uint64_t number) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string name = tempPath;
    if (name.empty() || name.back() != '\\') name += '\\';
    name += "_BRSFX";
    for (int shift = 60; shift >= 0; shift -= 4) name += kDigits[(number >> shift) & 0xF];
    return name + "\\";
}

std::string CreateFreshWorkFolder(const std::string& tempPath, const std::function<uint64_t()>& draw,
                                  const std::function<FolderCreation(const std::string&)>& create) {
    for (int i = 0; i < kMaxWorkFolderDraws; ++i) {
        const std::string candidate = WorkFolderCandidate(tempPath, draw());
        switch (create(candidate)) {
            case FolderCreation::kCreated: return candidate;
            case FolderCreation::kExists: continue;  // never somebody else's folder
            case FolderCreation::kFailed: throw PayloadError("the work folder cannot be created");
        }
    }
    throw PayloadError("every work folder name drawn is taken");
}

std::wstring WorkFolderDescriptor(const std::wstring& userSid, bool elevated) {
    // P: the temp folder's entries are not inherited; OICI: what the folder
    // holds gets the same entries; FA: full access.
    if (elevated) return L"D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";
    return L"D:P(A;OICI;FA;;;" + userSid + L")";
}
