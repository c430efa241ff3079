#include "ComObject.h"

namespace {
std::atomic<long> gLiveComObjects{0};
}

long LiveComObjects() { return gLiveComObjects.load(); }

void CountComObject(long change) { gLiveComObjects += change; }
