#include <gtest/gtest.h>

#include "player/web/http_client.h"
#include "player/web/tests/fakes.h"

namespace web {
namespace {

TEST(SplitUrl, HostPortAndPath) {
    struct Case {
        std::string url;
        bool ok;
        std::string host;
        int port;
        std::string path;
    };
    const Case cases[] = {
        {"http://dir.test/by_genre/Acid House", true, "dir.test", 80, "by_genre/Acid House"},
        {"http://user:pw@dir.test:8000/a?b=c", true, "dir.test", 8000, "a?b=c"},
        {"http://dir.test", true, "dir.test", 80, ""},
        {"http://dir.test:81", true, "dir.test", 81, ""},
        {"http://dir.test/x@y", true, "dir.test", 80, "x@y"},  // an "@" in the path is no user part
        {"dir.test/x", false, "", 0, ""},
        {"http:///x", false, "", 0, ""},
        {"http://:80/x", false, "", 0, ""},
        {"http://h:abc/", false, "", 0, ""},
        {"http://h:0/", false, "", 0, ""},
        {"http://h:65536/", false, "", 0, ""},
    };
    for (const auto& c : cases) {
        const auto parts = splitUrl(c.url);
        ASSERT_EQ(parts.has_value(), c.ok) << c.url;
        if (!parts)
            continue;
        EXPECT_EQ(parts->host, c.host) << c.url;
        EXPECT_EQ(parts->port, c.port) << c.url;
        EXPECT_EQ(parts->path, c.path) << c.url;
    }
}

TEST(BuildRequest, PortShowsInHostOnlyWhenNot80) {
    EXPECT_EQ(buildRequest({"dir.test", 80, "by_genre/Acid House"}),
              "GET /by_genre/Acid House HTTP/1.1\r\nAccept: */*\r\nHost: dir.test\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(buildRequest({"127.0.0.1", 8000, ""}),
              "GET / HTTP/1.1\r\nAccept: */*\r\nHost: 127.0.0.1:8000\r\nConnection: close\r\n\r\n");
}

struct Answer {
    std::vector<std::string> pieces;
    bool ok;
    std::string body;
    bool silentAtEnd = false;
};

class ResponseReading : public ::testing::Test {
protected:
    webtest::Rig rig;
    ReceiveLimits limits;

    void check(const Answer& a, const std::string& label) {
        rig.files.addFile("/work/out.txt", "earlier");
        rig.connector.pieces.assign(a.pieces.begin(), a.pieces.end());
        rig.connector.silentAtEnd = a.silentAtEnd;
        const bool ok = receiveToFile(rig.connector, rig.files, "http://h.test/x", "out.txt", limits);
        EXPECT_EQ(ok, a.ok) << label;
        EXPECT_EQ(rig.files.content("/work/out.txt"), a.ok ? a.body : "earlier") << label;
    }
};

TEST_F(ResponseReading, BodyByLengthChunkedAndUntilTheEnd) {
    const std::pair<const char*, Answer> cases[] = {
        {"length with blank", {{"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello, and more"}, true, "hello"}},
        {"length without blank", {{"HTTP/1.1 200 OK\r\nContent-Length:12\r\n\r\nhello world!"}, true, "hello world!"}},
        {"length in any case", {{"HTTP/1.0 200 OK\r\nCONTENT-LENGTH: 3\r\n\r\nabcdef"}, true, "abc"}},
        {"length over pieces", {{"HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nab", "cd", "efgh"}, true, "abcdef"}},
        {"length never reached", {{"HTTP/1.1 200 OK\r\nContent-Length: 99\r\n\r\nshort"}, true, "short"}},
        {"chunked", {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nWiki\r\n5\r\npedia\r\n0\r\n\r\n"}, true, "Wikipedia"}},
        {"chunked in pieces", {{"HTTP/1.1 200 OK\r\ntransfer-encoding: whatever\r\n\r\n1", "0;ext=1\r\n0123456789", "ABCDEF\r\n", "0\r\n\r\n"}, true, "0123456789ABCDEF"}},
        {"bad chunk size ends the body", {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\nzz\r\nmore\r\n0\r\n\r\n"}, true, "abc"}},
        {"length wins over chunked", {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nContent-Length: 2\r\n\r\n4\r\nWiki"}, true, "4\r"}},
        {"until closed", {{"HTTP/1.0 200 OK\r\nServer: x\r\n\r\nline 1\r\n", "line 2\r\n"}, true, "line 1\r\nline 2\r\n"}},
        {"until silent", {{"HTTP/1.0 200 OK\r\n\r\nabc"}, true, "abc", true}},
        {"302 body kept", {{"HTTP/1.1 302 Found\r\nLocation: http://x/\r\nContent-Length: 4\r\n\r\nmove"}, true, "move"}},
        {"header longer than the first piece", {{"HTTP/1.1 200 OK\r\nX-Pad: " + std::string(3000, 'p') + "\r\nContent-Length: 2\r\n\r\nok"}, true, "ok"}},
        {"LF line ends", {{"HTTP/1.0 200 OK\nContent-Length: 2\n\nokay"}, true, "ok"}},
        {"404", {{"HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone"}, false, ""}},
        {"status without 200", {{"HTTP/1.1 500 Error 2OO\r\n\r\nx"}, false, ""}},
        {"nothing at all", {{}, false, ""}},
        {"no header end", {{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n"}, false, ""}},
        {"no header end, silent", {{"HTTP/1.1 200 OK\r\n"}, false, "", true}},
    };
    for (const auto& [label, a] : cases)
        check(a, label);
}

TEST_F(ResponseReading, OversizedAnswersFail) {
    limits.maxBody = 1000;
    limits.maxHeader = 2000;
    const std::pair<const char*, Answer> cases[] = {
        {"declared length over the cap", {{"HTTP/1.1 200 OK\r\nContent-Length: 1001\r\n\r\nx"}, false, ""}},
        {"huge declared length", {{"HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\nx"}, false, ""}},
        {"endless body", {{"HTTP/1.1 200 OK\r\n\r\n" + std::string(5000, 'x')}, false, ""}},
        {"chunks over the cap", {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3E8\r\n" + std::string(1000, 'a') + "\r\n1\r\nb\r\n0\r\n\r\n"}, false, ""}},
        {"huge chunk size", {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFFFFFFFFFFFF\r\nab"}, false, ""}},
        {"header over the cap", {{"HTTP/1.1 200 OK\r\nX: " + std::string(4000, 'h') + "\r\n\r\nbody"}, false, ""}},
        {"body exactly at the cap", {{"HTTP/1.1 200 OK\r\n\r\n" + std::string(1000, 'y')}, true, std::string(1000, 'y')}},
    };
    for (const auto& [label, a] : cases)
        check(a, label);
}

TEST_F(ResponseReading, RefusedConnectionOrBadUrlFails) {
    rig.connector.refuse = true;
    EXPECT_FALSE(receiveToFile(rig.connector, rig.files, "http://h.test/x", "out.txt"));
    rig.connector.refuse = false;
    EXPECT_FALSE(receiveToFile(rig.connector, rig.files, "no scheme", "out.txt"));
    EXPECT_FALSE(rig.files.exists("/work/out.txt"));
}

}  // namespace
}  // namespace web
