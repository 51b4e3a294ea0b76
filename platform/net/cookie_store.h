#pragma once
// The cookies that page downloads carry. The browser views fill the store when a page they load
// sets cookies (the login page above all); every page download sends what matches its address
// and files the cookies its answers set back into the same store, so both sides share one jar.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::net {

struct Cookie {
    std::string domain;              // host name, without a leading dot
    bool includeSubdomains = false;  // set by a Domain attribute
    std::string path = "/";
    bool secure = false;
    bool httpOnly = false;
    int64_t expires = 0;             // seconds since 1970; 0 for a session cookie
    std::string name;
    std::string value;
};

// Shared by the user-interface thread and the thumbnail worker, hence locked.
class CookieStore {
public:
    // Adds the cookie, replacing one of the same domain, path and name.
    void add(const Cookie& cookie);
    std::vector<Cookie> all() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<Cookie> cookies_;
};

// The one store of the process, shared by the browser views and the downloads.
CookieStore& processCookieStore();

// A "Set-Cookie" header value (without the header name) as answered for requestHost; nothing
// when it names no cookie or claims a domain that requestHost does not belong to.
std::optional<Cookie> cookieFromSetCookie(std::string_view header, std::string_view requestHost);

// The cookie as one line of the Netscape cookie-file format, and back.
std::string netscapeLine(const Cookie& cookie);
std::optional<Cookie> cookieFromNetscapeLine(std::string_view line);

}  // namespace platform::net
