// The folder browser behind Form1's "..." button, driven like a user.
#pragma once

void FolderBrowser();
