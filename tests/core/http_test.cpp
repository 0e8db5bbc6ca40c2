#include "media/http.h"

#include <gtest/gtest.h>

#include <string>

namespace pw {
namespace {

TEST(Http, SplitsTheAddressIntoHostAndPath)
{
    struct Case {
        std::string address;
        std::string host;
        std::string path;
    };
    const Case cases[] = {
        {"http://example.org/imgs/a.png", "example.org", "/imgs/a.png"},
        {"HTTP://example.org", "example.org", "/"},  // no path asks for "/"
        {"https://example.org/a.png", "example.org", "/a.png"},
        {"example.org:8080/x?q=1#top", "example.org:8080", "/x?q=1#top"},
        {"http://https://h/p", "h", "/p"},
        {"http://h/", "h", "/"},
    };
    for (const Case& c : cases) {
        const auto parts = SplitAddress(c.address);
        ASSERT_TRUE(parts) << c.address;
        EXPECT_EQ(parts->host, c.host) << c.address;
        EXPECT_EQ(parts->path, c.path) << c.address;
    }
}

TEST(Http, RefusesAddressesThatWouldBendTheRequest)
{
    const std::string refused[] = {
        "http://h/a.png\r\nX-Evil: 1",
        "http://h/a b.png",
        "http://h/a\nb",
        "http://h/\x01",
        "http://h/\x7f",
        "http:///a.png",
        "",
        "http://" + std::string(260, 'h') + "/a",
    };
    for (const std::string& address : refused) EXPECT_FALSE(SplitAddress(address)) << address;
    EXPECT_TRUE(SplitAddress("http://" + std::string(259, 'h') + "/a"));
}

TEST(Http, HostAndPort)
{
    struct Case {
        std::string host;
        std::string name;
        int port;
    };
    const Case cases[] = {
        {"h", "h", 80},  {"h:8080", "h", 8080}, {"h:0", "h", 80},   {"h:-1", "h", 80},  {"h:abc", "h", 80},
        {"h:", "h", 80}, {"h:99999", "h", 80},  {"h:81x", "h", 80}, {"h:1:2", "h", 80}, {"127.0.0.1:5", "127.0.0.1", 5},
    };
    for (const Case& c : cases) {
        const HostPort hp = SplitHostPort(c.host);
        EXPECT_EQ(hp.name, c.name) << c.host;
        EXPECT_EQ(hp.port, c.port) << c.host;
    }
}

TEST(Http, RequestBytes)
{
    EXPECT_EQ(BuildRequest("/", "example.org", "", "1.2.3"),
              "GET / HTTP/1.0\r\nHost: example.org\r\nUser-Agent: Pagewick 1.2.3 www.pagewick.net\r\n\r\n\r\n");
    // The port is not part of the host line.
    const auto parts = SplitAddress("http://example.org:8080/a.png");
    ASSERT_TRUE(parts);
    EXPECT_EQ(BuildRequest(parts->path, SplitHostPort(parts->host).name, "", "1.0"),
              "GET /a.png HTTP/1.0\r\nHost: example.org\r\nUser-Agent: Pagewick 1.0 www.pagewick.net\r\n\r\n\r\n");
    EXPECT_EQ(BuildRequest("/a.png", "h", "http://h/page.html", "1.0"),
              "GET /a.png HTTP/1.0\r\nHost: h\r\nReferer: http://h/page.html\r\n"
              "User-Agent: Pagewick 1.0 www.pagewick.net\r\n\r\n\r\n");
}

TEST(Http, ParsesStatusHeaderAndBody)
{
    struct Case {
        std::string received;
        int status;
        bool hasBody;
        std::string body;
    };
    const Case cases[] = {
        {"HTTP/1.0 200 OK\r\nA: b\r\n\r\nbody", 200, true, "body"},
        {"http/1.1 301 Moved\r\n\r\n", 301, true, ""},
        {"HTTP/1.0 404 Not Found\r\n\r\nnope", 404, true, "nope"},
        {"HTTP/1.0 200\r\n\r\nx", 404, true, "x"},  // no second blank: no status
        {"ICY 200 OK\r\n\r\nx", 404, true, "x"},    // not "http"
        {"HTTP/1.0 abc OK\r\n\r\nx", 404, true, "x"},
        {"HTTP/1.0 200 OK\r\nA: b\r\n", 200, false, ""},  // no header end: no body
        {"HTTP/1.0 200 OK\r\n\r\n\r\n\r\nx\0y", 200, true, "\r\n\r\nx"},
        {"", 404, false, ""},
    };
    for (const Case& c : cases) {
        const HttpResponse r = ParseResponse(c.received);
        EXPECT_EQ(r.status, c.status) << c.received;
        EXPECT_EQ(r.hasBody, c.hasBody) << c.received;
        EXPECT_EQ(r.body, c.body) << c.received;
    }
    // Binary bodies keep every byte, zero bytes included.
    const std::string png("HTTP/1.0 200 OK\r\n\r\n\x89PNG\r\n\x1a\n\0\0end", 32);
    EXPECT_EQ(ParseResponse(png).body, std::string("\x89PNG\r\n\x1a\n\0\0end", 13));
}

TEST(Http, ReadsLocationAndFileName)
{
    const HttpResponse moved = ParseResponse("HTTP/1.0 302 Found\r\nLocation:   http://h/b.png  \r\nX: y\r\n\r\n");
    EXPECT_EQ(moved.location, "http://h/b.png");
    EXPECT_EQ(ParseResponse("HTTP/1.0 302 Found\r\nlocation: http://h/b.png\r\n\r\n").location, "")
        << "the header name's case counts";
    const HttpResponse named =
        ParseResponse("HTTP/1.0 200 OK\r\nContent-Disposition: inline; filename=\"photo.jpeg\"\r\n\r\n..JFIF");
    EXPECT_EQ(named.fileName, "photo.jpeg");
    EXPECT_EQ(ParseResponse("HTTP/1.0 200 OK\r\nX: filename=\"" + std::string(300, 'n') + "\"\r\n\r\nb").fileName,
              std::string(259, 'n'));
    EXPECT_EQ(ParseResponse("HTTP/1.0 200 OK\r\nX: y\r\n\r\nfilename=\"body.png\"").fileName, "")
        << "only the header names the file";
    EXPECT_EQ(
        ParseResponse("HTTP/1.0 301 M\r\nLocation: http://h/" + std::string(300, 'p') + "\r\n\r\n").location.size(),
        259u);
}

}  // namespace
}  // namespace pw
