#include "ProgressMonitor.h"

#include "Active.h"

namespace {

Boolean PI_CDECL AbortProc() {
    return OnActive<ProgressMonitor>(Boolean(0), [](ProgressMonitor& m) { return Boolean(m.abort()); });
}

void PI_CDECL ProgressProcImpl(int32 done, int32 total) {
    OnActiveVoid<ProgressMonitor>([&](ProgressMonitor& m) { m.progress(done, total); });
}

}  // namespace

ProgressMonitor::ProgressMonitor(int32_t cancelAt, Observer observer)
    : observer_(std::move(observer)), cancelAt_(cancelAt) {}

TestAbortProc ProgressMonitor::abortProc() const { return AbortProc; }

ProgressProc ProgressMonitor::progressProc() const { return ProgressProcImpl; }

void ProgressMonitor::progress(int32_t done, int32_t total) {
    if (log_.size() < kMaxProgressLog) log_.push_back({done, total});
    if (observer_) observer_(done, total);
}

bool ProgressMonitor::abort() {
    ++abortCalls_;
    return cancelAt_ > 0 && abortCalls_ >= cancelAt_;
}
