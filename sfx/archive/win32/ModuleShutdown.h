// Releases every object of the extraction module and unloads it, so that its
// file can be deleted before the process ends.
#pragma once

void ShutdownSevenZip();
