#include "player/web/http_client.h"

#include <algorithm>
#include <vector>

#include "player/web/toolbox.h"

namespace web {

using platform::net::Received;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

std::optional<UrlParts> splitUrl(const std::string& url) {
    const size_t scheme = url.find("://");
    if (scheme == std::string::npos)
        return std::nullopt;
    size_t start = scheme + 3;
    const size_t slash = url.find('/', start);
    const size_t authorityEnd = slash == std::string::npos ? url.size() : slash;
    const size_t at = url.rfind('@', authorityEnd == 0 ? 0 : authorityEnd - 1);
    if (at != std::string::npos && at >= start && at < authorityEnd)
        start = at + 1;
    const size_t hostEnd = url.find_first_of(":/", start);
    UrlParts parts;
    parts.host = url.substr(start, (hostEnd == std::string::npos ? url.size() : hostEnd) - start);
    if (parts.host.empty())
        return std::nullopt;
    if (hostEnd != std::string::npos && url[hostEnd] == ':') {
        const std::string digits = url.substr(hostEnd + 1, authorityEnd - hostEnd - 1);
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        parts.port = std::stoi(digits);
        if (parts.port < 1 || parts.port > 65535)
            return std::nullopt;
    }
    if (slash != std::string::npos)
        parts.path = url.substr(slash + 1);
    return parts;
}

std::string buildRequest(const UrlParts& url) {
    std::string request = "GET /" + url.path + " HTTP/1.1\r\n";
    request += "Accept: */*\r\n";
    request += "Host: " + url.host + (url.port != 80 ? ":" + decimal(url.port) : std::string()) + "\r\n";
    request += "Connection: close\r\n\r\n";
    return request;
}

namespace {

constexpr size_t kPiece = 1024;

// Reads the answer piece by piece within the exchange's overall deadline.
class AnswerReader {
public:
    AnswerReader(platform::net::TcpConnection& connection, Clock::time_point deadline)
        : connection_(connection), deadline_(deadline) {}

    enum Outcome { Got, Quiet, Expired };

    // Appends what the next read brings. Quiet when the peer closed, failed or stayed silent
    // for timeout; Expired when the overall deadline came first.
    Outcome pull(std::string& into, milliseconds timeout) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline_ - Clock::now());
        if (left.count() <= 0)
            return Expired;
        const bool deadlineFirst = left < timeout;
        Received r = connection_.receive(kPiece, std::min(timeout, left));
        if (r.kind == Received::Data && !r.bytes.empty()) {
            into += r.bytes;
            return Got;
        }
        if (r.kind == Received::TimedOut && deadlineFirst)
            return Expired;
        return Quiet;
    }

    milliseconds left() const {
        return std::max(milliseconds(0), std::chrono::duration_cast<milliseconds>(deadline_ - Clock::now()));
    }

private:
    platform::net::TcpConnection& connection_;
    Clock::time_point deadline_;
};

// The header lines up to the first empty line and the offset of the body behind it; nothing
// while the header has not ended. A line ends at LF, a CR before it is dropped.
std::optional<size_t> headerEnd(const std::string& bytes, std::vector<std::string>& lines) {
    lines.clear();
    size_t pos = 0;
    for (;;) {
        const size_t lf = bytes.find('\n', pos);
        if (lf == std::string::npos)
            return std::nullopt;
        std::string line = bytes.substr(pos, lf - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        pos = lf + 1;
        if (line.empty() && !lines.empty())
            return pos;
        lines.push_back(std::move(line));
    }
}

bool startsWithNoCase(const std::string& line, std::string_view name) {
    return line.size() >= name.size() && lowerCase(line.substr(0, name.size())) == name;
}

// The decimal length behind "content-length:", blanks before it skipped; nothing when no digit
// follows. Lengths too long to hold come back as the largest value, which no cap admits.
std::optional<size_t> contentLength(const std::string& line) {
    size_t pos = 15;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    size_t value = 0;
    bool any = false;
    for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
        any = true;
        const size_t digit = static_cast<size_t>(line[pos] - '0');
        value = value > (SIZE_MAX - digit) / 10 ? SIZE_MAX : value * 10 + digit;
    }
    if (!any)
        return std::nullopt;
    return value;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class BodyEnd { Complete, Failed };

// One line of the chunked framing out of pending (pulling more as needed); nothing when the
// answer went quiet first. Expired is reported through failed.
std::optional<std::string> framingLine(AnswerReader& reader, std::string& pending, const ReceiveLimits& limits,
                                       bool& failed) {
    for (;;) {
        const size_t lf = pending.find('\n');
        if (lf != std::string::npos) {
            std::string line = pending.substr(0, lf);
            pending.erase(0, lf + 1);
            return line;
        }
        if (pending.size() > limits.maxHeader) {  // a size line without end
            failed = true;
            return std::nullopt;
        }
        const auto outcome = reader.pull(pending, limits.read);
        if (outcome == AnswerReader::Expired)
            failed = true;
        if (outcome != AnswerReader::Got)
            return std::nullopt;
    }
}

BodyEnd readChunked(AnswerReader& reader, std::string pending, const ReceiveLimits& limits, std::string& body) {
    for (;;) {
        bool failed = false;
        auto line = framingLine(reader, pending, limits, failed);
        if (!line)
            return failed ? BodyEnd::Failed : BodyEnd::Complete;
        size_t pos = 0;
        while (pos < line->size() && ((*line)[pos] == ' ' || (*line)[pos] == '\t'))
            ++pos;
        size_t size = 0;
        bool any = false;
        for (int d; pos < line->size() && (d = hexDigit((*line)[pos])) >= 0; ++pos) {
            any = true;
            if (size > (limits.maxBody + 1) / 16)
                return BodyEnd::Failed;  // beyond any body we take
            size = size * 16 + static_cast<size_t>(d);
        }
        // A size that does not parse is no framing we can follow: the body ends there.
        if (!any || size == 0)
            return BodyEnd::Complete;
        if (body.size() + size > limits.maxBody)
            return BodyEnd::Failed;
        while (pending.size() < size) {
            const auto outcome = reader.pull(pending, limits.read);
            if (outcome == AnswerReader::Expired)
                return BodyEnd::Failed;
            if (outcome == AnswerReader::Quiet) {
                body += pending;
                return BodyEnd::Complete;
            }
        }
        body.append(pending, 0, size);
        pending.erase(0, size);
        // The line end behind the chunk's bytes.
        if (!framingLine(reader, pending, limits, failed))
            return failed ? BodyEnd::Failed : BodyEnd::Complete;
    }
}

BodyEnd readWithLength(AnswerReader& reader, std::string pending, size_t length, const ReceiveLimits& limits,
                       std::string& body) {
    if (length > limits.maxBody)
        return BodyEnd::Failed;
    body = std::move(pending);
    while (body.size() < length) {
        const auto outcome = reader.pull(body, limits.read);
        if (outcome == AnswerReader::Expired)
            return BodyEnd::Failed;
        if (outcome == AnswerReader::Quiet)
            break;  // the body ends early, as the directory left it
    }
    if (body.size() > length)
        body.resize(length);
    return BodyEnd::Complete;
}

BodyEnd readUntilQuiet(AnswerReader& reader, std::string pending, const ReceiveLimits& limits, std::string& body) {
    body = std::move(pending);
    for (;;) {
        if (body.size() > limits.maxBody)
            return BodyEnd::Failed;
        const auto outcome = reader.pull(body, limits.idle);
        if (outcome == AnswerReader::Expired)
            return BodyEnd::Failed;
        if (outcome == AnswerReader::Quiet)
            return body.size() > limits.maxBody ? BodyEnd::Failed : BodyEnd::Complete;
    }
}

bool exchangeUntil(platform::net::TcpConnection& connection, const UrlParts& url, const ReceiveLimits& limits,
                   Clock::time_point deadline, std::string& body) {
    AnswerReader reader(connection, deadline);
    if (!connection.sendAll(buildRequest(url), std::min(limits.send, reader.left())))
        return false;

    std::string answer;
    if (reader.pull(answer, limits.firstPiece) != AnswerReader::Got)
        return false;
    // The header usually fits the first piece; a longer one is read on, up to a bound, since
    // cutting it would turn the rest of the header into the body.
    std::vector<std::string> lines;
    std::optional<size_t> bodyStart;
    while (!(bodyStart = headerEnd(answer, lines))) {
        if (answer.size() > limits.maxHeader || reader.pull(answer, limits.read) != AnswerReader::Got)
            return false;
    }
    if (*bodyStart > limits.maxHeader + 4)
        return false;
    const std::string& status = lines.front();
    if (findText(status, "200") == 0 && findText(status, "302") == 0)
        return false;

    std::optional<size_t> length;
    bool chunked = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (startsWithNoCase(lines[i], "content-length:"))
            length = contentLength(lines[i]);
        else if (startsWithNoCase(lines[i], "transfer-encoding:"))
            chunked = true;
    }
    std::string pending = answer.substr(*bodyStart);
    BodyEnd end;
    if (length)
        end = readWithLength(reader, std::move(pending), *length, limits, body);
    else if (chunked)
        end = readChunked(reader, std::move(pending), limits, body);
    else
        end = readUntilQuiet(reader, std::move(pending), limits, body);
    return end == BodyEnd::Complete;
}

}  // namespace

bool exchange(platform::net::TcpConnection& connection, const UrlParts& url, const ReceiveLimits& limits,
              std::string& body) {
    return exchangeUntil(connection, url, limits, Clock::now() + limits.total, body);
}

bool receiveToFile(platform::net::TcpConnector& connector, platform::Files& files, const std::string& url,
                   const std::string& fileName, const ReceiveLimits& limits) {
    const auto parts = splitUrl(url);
    if (!parts)
        return false;
    const auto deadline = Clock::now() + limits.total;
    auto connection = connector.connect(parts->host, parts->port, std::min(limits.connect, limits.total));
    if (!connection)
        return false;
    std::string body;
    if (!exchangeUntil(*connection, *parts, limits, deadline, body))
        return false;
    connection.reset();
    return files.writeFile(fileName, body);
}

}  // namespace web
