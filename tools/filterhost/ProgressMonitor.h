// The progress and abort procedures: progress is logged and passed on to an
// observer; abort answers "cancel" from a chosen call on.
#pragma once

#include <functional>
#include <vector>

#include "HostConstants.h"

struct ProgressStep {
    int32_t done;
    int32_t total;
    bool operator==(const ProgressStep& o) const { return done == o.done && total == o.total; }
};

class ProgressMonitor {
public:
    using Observer = std::function<void(int32_t done, int32_t total)>;

    // cancelAt: abort answers true from its k-th call (1-based) on; 0 never.
    ProgressMonitor(int32_t cancelAt, Observer observer);

    TestAbortProc abortProc() const;
    ProgressProc progressProc() const;

    void progress(int32_t done, int32_t total);
    bool abort();

    const std::vector<ProgressStep>& log() const { return log_; }
    int32_t abortCalls() const { return abortCalls_; }

private:
    std::vector<ProgressStep> log_;
    Observer observer_;
    int32_t cancelAt_;
    int32_t abortCalls_ = 0;
};

// The log keeps at most this many steps; later ones only reach the observer.
constexpr size_t kMaxProgressLog = 1 << 20;
