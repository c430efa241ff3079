// Steps 3 to 5 of the start-up: a fresh work folder under the temp folder.
#pragma once

// Creates "_BRSFX" + number under systemTempPath and sets workFolder. The
// creation itself is the test for a free name, so two runs started at once
// never share a folder. Throws PayloadError when no folder can be created.
void CreateWorkFolder();
