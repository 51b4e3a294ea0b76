#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>

#include "platform/net/downloader.h"
#include "platform/text/codepage.h"

namespace platform::net {

std::string requestLineSafe(const std::string& url) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(url.size());
    for (const char ch : url) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 0x20 || c == 0x7F) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

namespace {

// Generous for pages and pictures, yet a fetch can never keep the player waiting for ever.
constexpr long kConnectTimeoutSeconds = 15;
constexpr long kTotalTimeoutSeconds = 120;
constexpr long kStallSeconds = 30;  // less than one byte a second for this long ends the fetch
constexpr curl_off_t kMaxFileBytes = 64LL * 1024 * 1024;

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t writeToFile(char* data, size_t size, size_t count, void* user) {
    return std::fwrite(data, size, count, static_cast<FILE*>(user)) * size;
}

class CurlDownloader final : public Downloader {
public:
    explicit CurlDownloader(CookieStore& cookies) : cookies_(cookies) { initialiseOnce(); }

    bool downloadToFile(const std::string& url, const std::string& path) override {
        const std::string target = cp1251ToUtf8(path);
        // The answer goes into a file of its own beside the target and replaces the target only
        // once complete, so a failed fetch leaves the earlier page in place.
        std::string part = target + ".partXXXXXX";
        const int fd = ::mkstemp(part.data());
        if (fd < 0)
            return false;
        FILE* file = ::fdopen(fd, "wb");
        if (!file) {
            ::close(fd);
            ::unlink(part.c_str());
            return false;
        }
        const bool fetched = fetch(url, file);
        const bool written = std::fclose(file) == 0;
        if (fetched && written) {
            ::chmod(part.c_str(), 0644);  // mkstemp makes it private; pages are ordinary files
            if (::rename(part.c_str(), target.c_str()) == 0)
                return true;
        }
        ::unlink(part.c_str());
        return false;
    }

private:
    bool fetch(const std::string& url, FILE* file) {
        CURL* curl = curl_easy_init();
        if (!curl)
            return false;
        const std::string address = requestLineSafe(url);
        curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
        curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTotalTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
        curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, kMaxFileBytes);
        curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; VT-90)");
        curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeToFile);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
        // An empty cookie file turns the cookie engine on without reading any file.
        curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
        for (const Cookie& cookie : cookies_.all())
            curl_easy_setopt(curl, CURLOPT_COOKIELIST, netscapeLine(cookie).c_str());

        const CURLcode result = curl_easy_perform(curl);

        struct curl_slist* list = nullptr;
        if (curl_easy_getinfo(curl, CURLINFO_COOKIELIST, &list) == CURLE_OK) {
            for (auto* item = list; item; item = item->next)
                if (auto cookie = cookieFromNetscapeLine(item->data))
                    cookies_.add(*cookie);
            curl_slist_free_all(list);
        }
        curl_easy_cleanup(curl);
        return result == CURLE_OK;
    }

    CookieStore& cookies_;
};

}  // namespace

std::unique_ptr<Downloader> makeCurlDownloader(CookieStore& cookies) {
    return std::make_unique<CurlDownloader>(cookies);
}

}  // namespace platform::net
