// Ending the process on every path, the early ones included: the extraction
// module is released, "FILE.7Z" and "7Z.DLL" are deleted and the work folder
// is removed, so nothing stays behind in the temp folder.
#pragma once

[[noreturn]] void EndProcess(int exitCode);
