// TBrowseDirectoryDlg: construction, the properties that act on an open
// dialog, and Execute.
#include "BrowseDr.h"

#include <cstring>
#include <iterator>

#include "ShellFolders.h"

TBrowseDirectoryDlg::TBrowseDirectoryDlg(HWND Owner) : FParent(Owner && IsWindow(Owner) ? Owner : nullptr) {
    if (FAILED(SHGetMalloc(&FMalloc))) FMalloc = nullptr;
}

TBrowseDirectoryDlg::~TBrowseDirectoryDlg() {
    ReplaceSelectionPidl(nullptr);
    if (FMalloc) FMalloc->Release();
}

void TBrowseDirectoryDlg::Free(void* block) {
    if (block && FMalloc) FMalloc->Free(block);
}

void TBrowseDirectoryDlg::ReplaceSelectionPidl(LPITEMIDLIST pidl) {
    if (FSelectionPidl != pidl) Free(FSelectionPidl);
    FSelectionPidl = pidl;
}

void TBrowseDirectoryDlg::SetSelection(const std::string& Value) {
    if (Value == FSelection) return;
    FSelection = Value;
    if (!Value.empty() && Value.back() != '\\' && IsDirectory(Value)) FSelection += '\\';
    if (FDialog) ApplySelection();
}

void TBrowseDirectoryDlg::SetStatusText(const std::string& Value) {
    if (Value == FStatusText) return;
    FStatusText = Value;
    if (FDialog) SendStatusText();
}

void TBrowseDirectoryDlg::SetFitStatusText(bool Value) {
    if (Value == FFitStatusText) return;
    FFitStatusText = Value;
    if (FDialog) SendStatusText();
}

void TBrowseDirectoryDlg::SetEnableOKButton(bool Value) {
    FEnableOKButton = Value;
    if (FDialog) SendMessageA(FDialog, BFFM_ENABLEOK, 0, Value);
}

std::wstring TBrowseDirectoryDlg::Caption() const {
    if (!FDialog) return FCaption;
    wchar_t title[256] = {};
    const int length = GetWindowTextW(FDialog, title, int(std::size(title)));
    return std::wstring(title, length > 0 ? size_t(length) : 0);
}

void TBrowseDirectoryDlg::SetCaption(const std::wstring& Value) {
    FCaption = Value;
    if (FDialog) SetWindowTextW(FDialog, Value.c_str());
}

bool TBrowseDirectoryDlg::Execute() {
    // The shell writes the chosen item's display name here, and the path
    // query below its path.
    char* name = FMalloc ? static_cast<char*>(FMalloc->Alloc(MAX_PATH)) : nullptr;
    if (!name) return false;
    std::memset(name, 0, MAX_PATH);
    LPITEMIDLIST root = nullptr;
    // A root that names no folder (idDesktopExpanded) leaves the desktop.
    if (FAILED(SHGetSpecialFolderLocation(FParent, RootFolderId(Root, IsNtFamily()), &root))) root = nullptr;

    BROWSEINFOA browse{};
    browse.hwndOwner = FParent;
    browse.pidlRoot = root;
    browse.pszDisplayName = name;
    browse.lpszTitle = Title.c_str();
    browse.ulFlags = ShellBrowseFlags(Options, !FStatusText.empty() || ShowSelectionInStatus);
    browse.lpfn = BrowseCallback;
    browse.lParam = LPARAM(this);
    // The shell's own dialog needs COM on this thread; an empty floppy or CD
    // drive must raise no system box.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    SetErrorMode(errorMode);

    std::string path;
    if (chosen) {
        const bool computers = Options.count(bfComputers) != 0;
        if (computers) path = "\\\\" + std::string(name, strnlen(name, MAX_PATH));
        const bool hasPath = SHGetPathFromIDListA(chosen, name) != FALSE;
        name[MAX_PATH - 1] = '\0';
        if (hasPath || !computers) path = std::string(name, strnlen(name, MAX_PATH));
        FImageIndex = browse.iImage;
        SHFILEINFOA info{};
        if (browse.iImage == -1 && (hasPath || computers) &&
            SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX) != 0)
            FImageIndex = info.iIcon;
    }
    if (SUCCEEDED(com)) CoUninitialize();
    Free(root);
    Free(name);
    FDialog = nullptr;

    if (chosen) {
        FSelection = path;
        ReplaceSelectionPidl(chosen);
    } else {
        FSelection.clear();
        ReplaceSelectionPidl(nullptr);
    }
    return chosen != nullptr;
}
