// Window messages dispatched from inside the extraction, so that the window
// stays responsive while the session works on the same thread.
#pragma once

// Dispatches the messages pending now, at most limit of them; all of them
// when limit is negative.
void DispatchPendingMessages(int limit = -1);
