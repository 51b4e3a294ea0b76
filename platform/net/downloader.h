#pragma once
// Page downloads: fetch an address into a named file, the way the system's URL download
// service does for the player. Synchronous; redirects are followed; the cookies of a
// CookieStore go along and the cookies the answers set come back into it.

#include <memory>
#include <string>

#include "platform/net/cookie_store.h"

namespace platform::net {

class Downloader {
public:
    virtual ~Downloader() = default;
    // Fetches url (code page 1251 bytes, not encoded) into path (a 1251 path). The file is
    // replaced only when the whole answer arrived with a success status; otherwise the earlier
    // file stays as it was. True on success.
    virtual bool downloadToFile(const std::string& url, const std::string& path) = 0;
};

// Any byte that the request line cannot carry as it is (blank, control bytes) is written as
// %XX; every other byte, code page 1251 letters included, goes out as typed.
std::string requestLineSafe(const std::string& url);

// The libcurl downloader. Safe to use from several threads at once.
std::unique_ptr<Downloader> makeCurlDownloader(CookieStore& cookies);

}  // namespace platform::net
