// The plug-in's two windows: the modal wire-marking dialog and the about box.
#pragma once

// Shows the dialog from the start selector; true when the user confirmed.
bool DoUI();

// Shows the about box.
void DoAbout();
