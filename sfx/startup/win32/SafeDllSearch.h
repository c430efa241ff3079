// Libraries are loaded from the system folder only, so that nothing planted
// beside the executable (a downloads folder) or in the current folder is
// loaded in place of a system library.
#pragma once

void RestrictDllSearch();
