// TBrowseDirectoryDlg, the shell's folder browser as a component: a root
// folder by name, option flags, a preselected path, the window's caption,
// centring on the screen, the OK button's state and a status line fitted to
// its control. Strings are ANSI, as the shell's A functions take them.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <string>

#include "BrowseOptions.h"

class TBrowseDirectoryDlg;

// NewSel is empty for an item without a file-system path.
using TBDSelChangedEvent =
    std::function<void(TBrowseDirectoryDlg* Sender, const std::string& NewSel, LPCITEMIDLIST NewSelPIDL)>;
using TBDNotifyEvent = std::function<void(TBrowseDirectoryDlg* Sender)>;
// Path is the text typed in the edit box; Cancel closes the dialog.
using TBDValidateFailedEvent = std::function<void(TBrowseDirectoryDlg* Sender, const std::string& Path, bool& Cancel)>;

class TBrowseDirectoryDlg {
public:
    // The dialog's owner window, when Owner is one.
    explicit TBrowseDirectoryDlg(HWND Owner = nullptr);
    virtual ~TBrowseDirectoryDlg();
    TBrowseDirectoryDlg(const TBrowseDirectoryDlg&) = delete;
    TBrowseDirectoryDlg& operator=(const TBrowseDirectoryDlg&) = delete;

    // The folder chosen by the last Execute, or the one to preselect.
    const std::string& Selection() const { return FSelection; }
    void SetSelection(const std::string& Value);
    std::string Title;  // shown above the folder tree
    TRootID Root = idDesktop;
    TBrowseFlags Options;
    bool Center = true;
    const std::string& StatusText() const { return FStatusText; }
    void SetStatusText(const std::string& Value);
    bool FitStatusText() const { return FFitStatusText; }
    void SetFitStatusText(bool Value);
    bool EnableOKButton() const { return FEnableOKButton; }
    void SetEnableOKButton(bool Value);
    // The system image list's index of the chosen folder's icon.
    int ImageIndex() const { return FImageIndex; }
    // While the dialog is open, its window's title.
    std::wstring Caption() const;
    void SetCaption(const std::wstring& Value);
    bool ShowSelectionInStatus = false;

    TBDSelChangedEvent OnSelChanged;
    TBDNotifyEvent OnCreate;
    TBDValidateFailedEvent OnValidateFailed;

    // The modal dialog; true when a folder was chosen.
    virtual bool Execute();

protected:
    virtual void DoInitialized(HWND window);
    virtual void DoSelChanged(HWND window, LPCITEMIDLIST item);
    virtual void DoValidateFailed(const std::string& path, bool& cancel);

private:
    static int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);
    void ApplySelection();
    std::string FittedStatusText() const;
    void SendStatusText();
    void ReplaceSelectionPidl(LPITEMIDLIST pidl);
    void Free(void* block);

    std::string FSelection;
    std::string FStatusText;
    bool FFitStatusText = true;
    bool FEnableOKButton = true;
    int FImageIndex = -1;
    std::wstring FCaption;

    HWND FDialog = nullptr;  // while Execute runs, from DoInitialized on
    LPITEMIDLIST FSelectionPidl = nullptr;
    IMalloc* FMalloc = nullptr;
    HWND FParent = nullptr;
};
