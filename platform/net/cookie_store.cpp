#include "platform/net/cookie_store.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <ctime>

namespace platform::net {

void CookieStore::add(const Cookie& cookie) {
    std::lock_guard lock(mutex_);
    auto same = [&](const Cookie& c) {
        return c.domain == cookie.domain && c.path == cookie.path && c.name == cookie.name;
    };
    cookies_.erase(std::remove_if(cookies_.begin(), cookies_.end(), same), cookies_.end());
    cookies_.push_back(cookie);
}

std::vector<Cookie> CookieStore::all() const {
    std::lock_guard lock(mutex_);
    return cookies_;
}

void CookieStore::clear() {
    std::lock_guard lock(mutex_);
    cookies_.clear();
}

CookieStore& processCookieStore() {
    static CookieStore store;
    return store;
}

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The host part of "host" or "host:port".
std::string hostOnly(std::string_view host) {
    const size_t colon = host.find(':');
    return lower(host.substr(0, colon));
}

bool domainMatches(const std::string& host, const std::string& domain) {
    if (host == domain)
        return true;
    return host.size() > domain.size() && host.ends_with(domain) &&
           host[host.size() - domain.size() - 1] == '.';
}

}  // namespace

std::optional<Cookie> cookieFromSetCookie(std::string_view header, std::string_view requestHost) {
    Cookie cookie;
    cookie.domain = hostOnly(requestHost);
    if (cookie.domain.empty())
        return std::nullopt;
    size_t pos = 0;
    bool first = true;
    while (pos <= header.size()) {
        size_t end = header.find(';', pos);
        if (end == std::string_view::npos)
            end = header.size();
        const std::string_view part = trim(header.substr(pos, end - pos));
        pos = end + 1;
        const size_t eq = part.find('=');
        const std::string_view key = trim(part.substr(0, eq));
        const std::string_view value = eq == std::string_view::npos ? std::string_view() : trim(part.substr(eq + 1));
        if (first) {
            if (eq == std::string_view::npos || key.empty())
                return std::nullopt;
            cookie.name = std::string(key);
            cookie.value = std::string(value);
            first = false;
            continue;
        }
        const std::string attribute = lower(key);
        if (attribute == "domain" && !value.empty()) {
            std::string domain = lower(value);
            if (domain.front() == '.')
                domain.erase(0, 1);
            if (!domainMatches(cookie.domain, domain))
                return std::nullopt;
            cookie.domain = domain;
            cookie.includeSubdomains = true;
        } else if (attribute == "path" && !value.empty() && value.front() == '/') {
            cookie.path = std::string(value);
        } else if (attribute == "secure") {
            cookie.secure = true;
        } else if (attribute == "httponly") {
            cookie.httpOnly = true;
        } else if (attribute == "max-age") {
            long long seconds = 0;
            auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), seconds);
            if (ec == std::errc() && p == value.data() + value.size())
                cookie.expires = seconds <= 0 ? 1 : static_cast<int64_t>(std::time(nullptr)) + seconds;
        }
        if (end == header.size())
            break;
    }
    if (first)
        return std::nullopt;
    return cookie;
}

std::string netscapeLine(const Cookie& c) {
    std::string line;
    if (c.httpOnly)
        line += "#HttpOnly_";
    line += (c.includeSubdomains ? "." : "") + c.domain;
    line += c.includeSubdomains ? "\tTRUE\t" : "\tFALSE\t";
    line += c.path + (c.secure ? "\tTRUE\t" : "\tFALSE\t");
    line += std::to_string(c.expires) + "\t" + c.name + "\t" + c.value;
    return line;
}

std::optional<Cookie> cookieFromNetscapeLine(std::string_view line) {
    Cookie c;
    if (line.starts_with("#HttpOnly_")) {
        c.httpOnly = true;
        line.remove_prefix(10);
    }
    std::vector<std::string_view> fields;
    size_t pos = 0;
    while (fields.size() < 6) {
        const size_t tab = line.find('\t', pos);
        if (tab == std::string_view::npos)
            return std::nullopt;
        fields.push_back(line.substr(pos, tab - pos));
        pos = tab + 1;
    }
    fields.push_back(line.substr(pos));
    std::string_view domain = fields[0];
    if (!domain.empty() && domain.front() == '.')
        domain.remove_prefix(1);
    if (domain.empty() || fields[5].empty())
        return std::nullopt;
    c.domain = std::string(domain);
    c.includeSubdomains = fields[1] == "TRUE";
    c.path = std::string(fields[2]);
    c.secure = fields[3] == "TRUE";
    std::from_chars(fields[4].data(), fields[4].data() + fields[4].size(), c.expires);
    c.name = std::string(fields[5]);
    c.value = std::string(fields[6]);
    return c;
}

}  // namespace platform::net
