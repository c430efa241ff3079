// Handle, buffer, progress and abort procedures, called through the tables
// a plug-in gets.
#include <gtest/gtest.h>

#include <cstring>

#include "Active.h"
#include "BufferSuite.h"
#include "HandleSuite.h"
#include "ProgressMonitor.h"

namespace {

TEST(HandleSuite, HandleDereferencesToItsBlockAndKeepsContentsAcrossResize) {
    HandleSuite suite;
    Active<HandleSuite>::Scope active(suite);
    HandleProcs* p = suite.procs();
    EXPECT_EQ(p->numHandleProcs, 8);
    Handle h = p->newProc(4);
    ASSERT_NE(h, nullptr);
    Ptr locked = p->lockProc(h, true);
    EXPECT_EQ(locked, *h);
    std::memcpy(locked, "abcd", 4);
    EXPECT_EQ(p->setSizeProc(h, 100), memFullErr) << "a locked block must not move";
    p->unlockProc(h);
    EXPECT_EQ(p->setSizeProc(h, 100), noErr);
    EXPECT_EQ(p->getSizeProc(h), 100);
    EXPECT_EQ(std::memcmp(p->lockProc(h, true), "abcd", 4), 0);
    EXPECT_EQ(suite.liveCount(), 1u);
    p->disposeProc(h);
    EXPECT_EQ(suite.liveCount(), 0u);
}

TEST(HandleSuite, RefusesStaleForeignAndBadRequests) {
    HandleSuite suite;
    Active<HandleSuite>::Scope active(suite);
    HandleProcs* p = suite.procs();
    Handle h = p->newProc(8);
    p->disposeProc(h);
    EXPECT_EQ(p->lockProc(h, true), nullptr);
    EXPECT_EQ(p->getSizeProc(h), 0);
    EXPECT_NE(p->setSizeProc(h, 4), noErr);
    p->disposeProc(h);  // twice: ignored
    char* master = nullptr;
    EXPECT_EQ(p->lockProc(&master, true), nullptr);
    p->disposeRegularHandleProc(&master);
    EXPECT_EQ(p->newProc(-1), nullptr);
    EXPECT_EQ(p->newProc(kMaxHandleBytes + 1), nullptr);
    Handle empty = p->newProc(0);
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(p->lockProc(empty, true), nullptr);
}

TEST(HandleSuite, InjectedFailureHitsOnlyTheChosenCreation) {
    HandleSuite suite(2);
    Active<HandleSuite>::Scope active(suite);
    EXPECT_NE(suite.procs()->newProc(4), nullptr);
    EXPECT_EQ(suite.procs()->newProc(4), nullptr);
    EXPECT_NE(suite.procs()->newProc(4), nullptr);
    EXPECT_NE(suite.createWith({1, 2}), nullptr) << "the host's own handles do not count";
}

TEST(HandleSuite, ProceduresOutsideACallAnswerSafely) {
    HandleSuite suite;
    EXPECT_EQ(suite.procs()->newProc(4), nullptr);
    EXPECT_EQ(suite.procs()->getSizeProc(nullptr), 0);
}

TEST(BufferSuite, AccountsCurrentPeakAndLiveBuffers) {
    BufferSuite suite(1 << 20);
    Active<BufferSuite>::Scope active(suite);
    BufferProcs* p = suite.procs();
    EXPECT_EQ(p->numBufferProcs, 5);
    BufferID a = nullptr, b = nullptr, c = nullptr;
    ASSERT_EQ(p->allocateProc(100, &a), noErr);
    ASSERT_EQ(p->allocateProc(50, &b), noErr);
    EXPECT_EQ(suite.currentBytes(), 150);
    EXPECT_EQ(suite.liveCount(), 2u);
    p->freeProc(a);
    ASSERT_EQ(p->allocateProc(30, &c), noErr);
    EXPECT_EQ(suite.currentBytes(), 80);
    EXPECT_EQ(suite.peakBytes(), 150);
    p->freeProc(b);
    p->freeProc(c);
    p->freeProc(c);  // twice: ignored
    EXPECT_EQ(suite.currentBytes(), 0);
    EXPECT_EQ(suite.liveCount(), 0u);
    EXPECT_EQ(suite.peakBytes(), 150);
}

TEST(BufferSuite, LockGivesAStableAddressUntilFreed) {
    BufferSuite suite(1 << 20);
    Active<BufferSuite>::Scope active(suite);
    BufferProcs* p = suite.procs();
    BufferID id = nullptr;
    ASSERT_EQ(p->allocateProc(16, &id), noErr);
    Ptr first = p->lockProc(id, true);
    ASSERT_NE(first, nullptr);
    std::memset(first, 7, 16);
    p->unlockProc(id);
    EXPECT_EQ(p->lockProc(id, true), first);
    EXPECT_EQ(first[15], 7);
    p->freeProc(id);
    EXPECT_EQ(p->lockProc(id, true), nullptr);
}

TEST(BufferSuite, RefusesBeyondTheSpaceAndAtTheInjectedAllocation) {
    BufferSuite suite(1000, 3);
    Active<BufferSuite>::Scope active(suite);
    BufferProcs* p = suite.procs();
    BufferID id = nullptr, other = nullptr;
    ASSERT_EQ(p->allocateProc(800, &id), noErr);
    EXPECT_EQ(p->spaceProc(), 200);
    EXPECT_EQ(p->allocateProc(300, &other), memFullErr);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(p->allocateProc(10, &other), memFullErr) << "third allocation is the injected failure";
    EXPECT_EQ(p->allocateProc(10, &other), noErr);
    EXPECT_EQ(p->allocateProc(-1, &other), paramErr);
    EXPECT_EQ(p->allocateProc(10, nullptr), paramErr);
    EXPECT_EQ(suite.liveCount(), 2u);
}

TEST(ProgressMonitor, LogsProgressAndCancelsFromTheChosenCall) {
    std::vector<ProgressStep> seen;
    ProgressMonitor monitor(2, [&](int32_t d, int32_t t) { seen.push_back({d, t}); });
    Active<ProgressMonitor>::Scope active(monitor);
    monitor.progressProc()(1, 4);
    monitor.progressProc()(2, 4);
    EXPECT_EQ(monitor.log(), (std::vector<ProgressStep>{{1, 4}, {2, 4}}));
    EXPECT_EQ(seen, monitor.log());
    EXPECT_FALSE(monitor.abortProc()());
    EXPECT_TRUE(monitor.abortProc()());
    EXPECT_TRUE(monitor.abortProc()()) << "a cancel stays";
    EXPECT_EQ(monitor.abortCalls(), 3);
}

}  // namespace
