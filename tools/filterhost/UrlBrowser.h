// The "Photoshop GetFileList Suite for Plug-ins" (version 4), of which only
// BrowseUrl is served: it records every address and, unless told not to,
// opens it with the system's browser (Windows only).
#pragma once

#include <string>
#include <vector>

#include "HostInterface.h"

class UrlBrowser {
public:
    // openBrowser false: the addresses are only recorded, and BrowseUrl
    // succeeds; the tests use that.
    explicit UrlBrowser(bool openBrowser);
    UrlBrowser(const UrlBrowser&) = delete;
    UrlBrowser& operator=(const UrlBrowser&) = delete;

    const PSGetFileListSuite4* suite() const { return &suite_; }
    SPErr browse(const char* url);
    const std::vector<std::string>& urls() const { return urls_; }

private:
    PSGetFileListSuite4 suite_;
    bool openBrowser_;
    std::vector<std::string> urls_;
};
