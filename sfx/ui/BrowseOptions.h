// The folder browser's choices as the shell takes them: the root folder by
// name and the option flags.
#pragma once

#include <cstdint>
#include <set>

enum TRootID {
    idDesktop,
    idInternet,
    idPrograms,
    idControlPanel,
    idPrinters,
    idPersonal,
    idFavorites,
    idStartup,
    idRecent,
    idSendTo,
    idRecycleBin,
    idStartMenu,
    idDesktopDirectory,
    idDrives,
    idNetwork,
    idNetHood,
    idFonts,
    idTemplates,
    idCommonStartMenu,
    idCommonPrograms,
    idCommonStartup,
    idCommonDesktopDirectory,
    idAppData,
    idPrintHood,
    idDesktopExpanded
};

enum TBrowseFlag { bfDirectoriesOnly, bfDomainOnly, bfAncestors, bfComputers, bfPrinters, bfIncludeFiles, bfEditBox };
using TBrowseFlags = std::set<TBrowseFlag>;

// The shell's folder id for root. Systems outside the NT family have no
// all-users folders and get the user's own instead.
int RootFolderId(TRootID root, bool ntFamily);

// The shell's browse flags for options; statusLine adds the status text
// flag (a status text is set, or the selection is shown in it).
uint32_t ShellBrowseFlags(const TBrowseFlags& options, bool statusLine);
