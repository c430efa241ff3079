#include "FolderWritable.h"

#include <windows.h>

#include "FileIO.h"
#include "FolderPaths.h"
#include "SystemPath.h"

bool IsFolderWritable(const std::wstring& folder) {
    const std::wstring probe = ProbeFilePath(folder, FileExists);
    {
        TOutFile file;  // CREATE_NEW: a file that appeared meanwhile stays untouched
        if (!file.Open(probe)) return false;
    }
    if (!FileExists(probe)) return false;
    // A probe that cannot be deleted still proved that writing works.
    DeleteFileW(SystemPath(probe).c_str());
    return true;
}
