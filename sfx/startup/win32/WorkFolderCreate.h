// Steps 3 to 5 of the start-up: a fresh work folder under the temp folder,
// which only the user may open (elevated: only Administrators and SYSTEM).
#pragma once

// Creates "_BRSFX" + number under systemTempPath and sets workFolder. The
// creation itself is the test for a free name, so no run ever uses a folder
// that existed before. The folder stays open, so that nobody can rename or
// remove it while the program runs. Throws PayloadError when no folder can
// be made.
void CreateWorkFolder();

// Closes the module's file and the folder and removes both; nothing when no
// work folder was made.
void RemoveWorkFolder();
