#include "UrlBrowser.h"

#include <algorithm>

#include "Active.h"
#include "HostConstants.h"
#include "Unsupported.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

SPErr PI_CDECL BrowseUrlProc(const char* url) {
    return OnActive<UrlBrowser>(kSPBadParameterError, [&](UrlBrowser& b) { return b.browse(url); });
}

// The system's browser; an error when it cannot be started or there is none.
SPErr OpenInBrowser(const std::string& url) {
#ifdef _WIN32
    const auto started = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr,
                                                                 SW_SHOWNORMAL));
    return started > 32 ? kSPNoError : kSPUnimplementedError;
#else
    (void)url;
    return kSPUnimplementedError;
#endif
}

}  // namespace

UrlBrowser::UrlBrowser(bool openBrowser) : suite_{}, openBrowser_(openBrowser) {
    const GenericProc unsupported = UnsupportedProc();
    suite_.GetFileHandleList = suite_.GetBrowserNameList = suite_.BrowseUrlWithIndexBrowser = unsupported;
    std::fill(std::begin(suite_.rest), std::end(suite_.rest), unsupported);
    suite_.BrowseUrl = BrowseUrlProc;
}

SPErr UrlBrowser::browse(const char* url) {
    if (!url) return kSPBadParameterError;
    urls_.emplace_back(url);
    return openBrowser_ ? OpenInBrowser(urls_.back()) : kSPNoError;
}
