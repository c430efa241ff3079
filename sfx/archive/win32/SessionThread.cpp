#include "SessionThread.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TSessionThreadCalls";
constexpr UINT kCallMessage = WM_APP + 0x53;
// Progress is handed over at most this often (about 30 times a second, as
// often as a person can see it change), and at its end.
constexpr ULONGLONG kProgressInterval = 33;

// What the owner's thread runs for the worker, and what it threw.
struct TOwnerCall {
    const std::function<void()>* call;
    std::exception_ptr failure;
};

struct TWork {
    const std::function<HRESULT()>* work;
    HRESULT result = E_FAIL;
};

DWORD WINAPI RunWork(LPVOID parameter) {
    auto* work = static_cast<TWork*>(parameter);
    try {
        work->result = (*work->work)();
    } catch (...) {
        work->result = E_FAIL;
    }
    return 0;
}

HWND MakeCallWindow(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

}  // namespace

TSessionThread::TSessionThread(TSevenZip& session, std::function<bool(MSG&)> translate)
    : session_(session), translate_(std::move(translate)), ownerThread_(GetCurrentThreadId()),
      window_(MakeCallWindow(WindowProc)), progress_(session.OnProgress), begin_(session.OnBegin),
      password_(session.OnPassword), end_(session.OnEnd) {
    if (progress_)
        session.OnProgress = [this](TSevenZip* sender, uint8_t file, uint8_t total, bool& cancel) {
            const ULONGLONG now = GetTickCount64();
            if (total < 100 && now - progressShown_ < kProgressInterval) return;
            progressShown_ = now;
            OnOwnerThread([&] { progress_(sender, file, total, cancel); });
        };
    if (begin_)
        session.OnBegin = [this](TSevenZip* sender, uint8_t mode, const std::wstring& name, const std::wstring& target,
                                 bool& proceed) { OnOwnerThread([&] { begin_(sender, mode, name, target, proceed); }); };
    if (password_)
        session.OnPassword = [this](TSevenZip* sender, const std::wstring& name, std::wstring& password) {
            OnOwnerThread([&] { password_(sender, name, password); });
        };
    if (end_)
        session.OnEnd = [this](TSevenZip* sender, const std::wstring& name, uint8_t result) {
            OnOwnerThread([&] { end_(sender, name, result); });
        };
}

TSessionThread::~TSessionThread() {
    session_.OnProgress = progress_;
    session_.OnBegin = begin_;
    session_.OnPassword = password_;
    session_.OnEnd = end_;
    if (window_) DestroyWindow(window_);
}

HRESULT TSessionThread::Run(const std::function<HRESULT()>& work) {
    if (!window_) return HRESULT_FROM_WIN32(ERROR_NOT_ENOUGH_MEMORY);
    TWork job{&work};
    HANDLE worker = CreateThread(nullptr, 0, RunWork, &job, 0, nullptr);
    if (!worker) return HRESULT_FROM_WIN32(GetLastError());
    DispatchUntilEnded(worker);
    CloseHandle(worker);
    return job.result;
}

// An ordinary message loop that ends with the worker. A quit request is
// left for the owner's own loop; until then only the worker's calls are
// taken.
void TSessionThread::DispatchUntilEnded(HANDLE worker) {
    bool quit = false;
    int quitCode = 0;
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, quit ? QS_SENDMESSAGE : QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) break;
        if (woke == WAIT_FAILED) Sleep(10);
        MSG msg;
        if (quit) {
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            continue;
        }
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = int(msg.wParam);
                break;
            }
            if (translate_ && translate_(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (quit) PostQuitMessage(quitCode);
}

void TSessionThread::OnOwnerThread(const std::function<void()>& call) {
    if (GetCurrentThreadId() == ownerThread_ || !window_) {
        call();
        return;
    }
    TOwnerCall ownerCall{&call, nullptr};
    SendMessageW(window_, kCallMessage, 0, LPARAM(&ownerCall));
    if (ownerCall.failure) std::rethrow_exception(ownerCall.failure);
}

LRESULT CALLBACK TSessionThread::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kCallMessage) return DefWindowProcW(window, message, wParam, lParam);
    auto* ownerCall = reinterpret_cast<TOwnerCall*>(lParam);
    try {
        (*ownerCall->call)();
    } catch (...) {
        ownerCall->failure = std::current_exception();
    }
    return 0;
}
