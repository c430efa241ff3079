// An archive session's run on a worker thread, its events on the thread that
// owns the session. The module may then decode on as many threads as it
// likes and call back on any of them: each event is handed synchronously to
// the owner's thread, which meanwhile dispatches its messages, so the owner's
// windows stay responsive and its event handlers run where they always ran,
// one at a time, while the run waits for their answer.
#pragma once

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>

#include "SevenZip.h"

class TSessionThread {
public:
    // Takes over the session's events until the object goes. translate sees
    // each message the owner's thread takes from its queue first (a dialog's
    // keys), and dispatches nothing when it returns true.
    TSessionThread(TSevenZip& session, std::function<bool(MSG&)> translate);
    ~TSessionThread();
    TSessionThread(const TSessionThread&) = delete;
    TSessionThread& operator=(const TSessionThread&) = delete;

    // Runs work on a worker thread and returns its result once it ends; a
    // worker that cannot be started is the system's error.
    HRESULT Run(const std::function<HRESULT()>& work);

private:
    // Calls call on the owner's thread and waits for it.
    void OnOwnerThread(const std::function<void()>& call);
    void DispatchUntilEnded(HANDLE worker);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    TSevenZip& session_;
    std::function<bool(MSG&)> translate_;
    DWORD ownerThread_;
    HWND window_ = nullptr;
    TProgressEvent progress_;
    TBeginEvent begin_;
    TOnPasswordEvent password_;
    TEndEvent end_;
    std::atomic<ULONGLONG> progressShown_{0};  // when the last progress event was handed over
};
