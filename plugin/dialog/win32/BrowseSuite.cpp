#include "BrowseSuite.h"

#include "PluginState.h"

namespace {

const PSGetFileListSuite4* gBrowseSuite = nullptr;

void ReleaseSuite() {
    if (gBasicSuite->ReleaseSuite) gBasicSuite->ReleaseSuite(kPSGetFileListSuite, kPSGetFileListSuiteVersion);
}

const PSGetFileListSuite4* AcquireBrowseSuite() {
    if (gBrowseSuite || !gBasicSuite || !gBasicSuite->AcquireSuite) return gBrowseSuite;
    const void* suite = nullptr;
    if (gBasicSuite->AcquireSuite(kPSGetFileListSuite, kPSGetFileListSuiteVersion, &suite) != kSPNoError) return nullptr;
    if (!suite) ReleaseSuite();
    gBrowseSuite = static_cast<const PSGetFileListSuite4*>(suite);
    return gBrowseSuite;
}

}  // namespace

bool BrowseUrl(const char* url) {
    const PSGetFileListSuite4* suite = AcquireBrowseSuite();
    return suite && suite->BrowseUrl && suite->BrowseUrl(url) == kSPNoError;
}

void ReleaseBrowseSuite() {
    if (!gBrowseSuite) return;
    ReleaseSuite();
    gBrowseSuite = nullptr;
}
