// Ending the process on every path, the early ones included: the extraction
// module is released, "7Z.DLL" is deleted and the work folder
// is removed, so nothing stays behind in the temp folder.
#pragma once

[[noreturn]] void EndProcess(int exitCode);
