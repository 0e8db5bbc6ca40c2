#include "media/fetch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace pw {
namespace {

constexpr std::string_view kPng = "\x89PNG\r\n\x1a\n";
const std::string kJfif("\xff\xd8\xff\xe0\0\x10JFIF\0", 11);

std::string Ok(std::string_view body, std::string_view extraHeader = "")
{
    return "HTTP/1.0 200 OK\r\n" + std::string(extraHeader) + "Content-Type: x\r\n\r\n" + std::string(body);
}

std::string Moved(int status, std::string_view location)
{
    return "HTTP/1.0 " + std::to_string(status) + " Moved\r\nLocation: " + std::string(location) + "\r\n\r\n";
}

struct Request {
    std::string host;
    int port;
    std::string bytes;
};

// A scripted web: each "host:port path" answers with its bytes; the folder's files live in memory.
class FetchTest : public ::testing::Test {
protected:
    FetchOutcome Fetch(std::string& address, std::string_view referrer = "", std::string_view folder = "C:\\in")
    {
        FetchIo io;
        io.get = [this](const std::string& host, int port, const std::string& request) -> std::optional<std::string> {
            requests.push_back({host, port, request});
            const std::string path = request.substr(4, request.find(" HTTP/1.0") - 4);
            const auto it = web.find(host + ":" + std::to_string(port) + " " + path);
            if (it == web.end()) return std::nullopt;
            return it->second;
        };
        io.exists = [this](const std::string& path) { return existing.count(path) > 0 || written.count(path) > 0; };
        io.writeNew = [this](const std::string& path, std::string_view bytes) {
            if (refuseWrites || existing.count(path) || written.count(path)) return false;
            written[path] =
                bytes.size() > 1024 ? std::string("big:") + std::to_string(bytes.size()) : std::string(bytes);
            return true;
        };
        return FetchToFile(address, referrer, folder, "1.0", io);
    }
    FetchOutcome Fetch(const char* address, std::string_view referrer = "", std::string_view folder = "C:\\in")
    {
        std::string copy = address;
        return Fetch(copy, referrer, folder);
    }

    std::map<std::string, std::string> web;
    std::vector<Request> requests;
    std::set<std::string> existing;
    std::map<std::string, std::string> written;
    bool refuseWrites = false;
};

TEST_F(FetchTest, SavesUnderTheNameTheAddressAndTheContentGive)
{
    struct Case {
        std::string address;
        std::string key;  // what the scripted web is asked for
        std::string body;
        std::string saved;
    };
    const Case cases[] = {
        {"http://h", "h:80 /", "text", "h"},  // no path asks for "/"
        {"http://h:8080/a.png", "h:8080 /a.png", std::string(kPng), "a.png"},
        {"http://h/imgs/a.gif", "h:80 /imgs/a.gif", std::string(kPng) + "rest", "a.png"},
        // An image script with two parameters: the script and the first parameter, the second dropped.
        {"http://h/img.php?id=5&size=2", "h:80 /img.php?id=5&size=2", "plain bytes", "img.php_id=5"},
        {"HTTPS://h/p/my%20pic.jpeg", "h:80 /p/my%20pic.jpeg", kJfif, "my_pic.jpg"},
    };
    for (const Case& c : cases) {
        web = {{c.key, Ok(c.body)}};
        written.clear();
        requests.clear();
        const FetchOutcome outcome = Fetch(c.address.c_str());
        ASSERT_EQ(outcome.savedName, c.saved) << c.address;
        EXPECT_EQ(written, (std::map<std::string, std::string>{{"C:\\in\\" + c.saved, c.body}})) << c.address;
        ASSERT_EQ(requests.size(), 1u);
    }
}

TEST_F(FetchTest, SendsTheRequestByteForByte)
{
    web = {{"example.org:8080 /a.png", Ok(kPng)}};
    ASSERT_TRUE(Fetch("http://example.org:8080/a.png", "http://example.org/page.html").savedName);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].host, "example.org");
    EXPECT_EQ(requests[0].port, 8080);
    EXPECT_EQ(requests[0].bytes,
              "GET /a.png HTTP/1.0\r\nHost: example.org\r\nReferer: http://example.org/page.html\r\n"
              "User-Agent: Pagewick 1.0 www.pagewick.net\r\n\r\n\r\n");
}

TEST_F(FetchTest, TheResponseNameReplacesTheAddress)
{
    web = {{"h:80 /get?id=7", Ok(kJfif, "Content-Disposition: inline; filename=\"photo.jpeg\"\r\n")}};
    std::string address = "http://h/get?id=7";
    EXPECT_EQ(Fetch(address).savedName, "photo.jpg");
    EXPECT_EQ(address, "photo.jpg");
    EXPECT_TRUE(written.count("C:\\in\\photo.jpg"));

    // Without a name in the response the caller's address stays as it was.
    web = {{"h:80 /b.gif", Ok("GIF89a")}};
    address = "http://h/b.gif";
    EXPECT_EQ(Fetch(address).savedName, "b.gif");
    EXPECT_EQ(address, "http://h/b.gif");
}

TEST_F(FetchTest, ANameNeverLeavesTheFolder)
{
    struct Case {
        std::string header;
        std::string path;
    };
    const Case cases[] = {
        {"filename=\"..\\..\\win.ini\"", "C:\\in\\.._.._win.ini"},
        {"filename=\"../../evil.png\"", "C:\\in\\evil.png"},
        {"filename=\"..\"", "C:\\in\\_.."},
        {"filename=\"C:\\boot.ini\"", "C:\\in\\C__boot.ini"},
        {"filename=\"nul\"", "C:\\in\\_nul"},
    };
    for (const Case& c : cases) {
        web = {{"h:80 /x", Ok("data", "X: " + c.header + "\r\n")}};
        written.clear();
        ASSERT_TRUE(Fetch("http://h/x").savedName) << c.header;
        EXPECT_EQ(written.begin()->first, c.path) << c.header;
    }
}

TEST_F(FetchTest, SeparatorsOfTheFolderBecomeSingleBackslashes)
{
    web = {{"h:80 /a.png", Ok(kPng)}};
    ASSERT_TRUE(Fetch("http://h/a.png", "", "C:\\in\\\\sub/imgs/").savedName);
    ASSERT_TRUE(Fetch("http://h/a.png", "", "\\\\server\\share\\\\imgs").savedName);
    EXPECT_EQ(written.size(), 2u);
    EXPECT_TRUE(written.count("C:\\in\\sub\\imgs\\a.png"));
    EXPECT_TRUE(written.count("\\\\server\\share\\imgs\\a.png"));
}

TEST_F(FetchTest, AnExistingFileIsNeverReplaced)
{
    web = {{"h:80 /a.png", Ok(kPng)}, {"h:80 /b_7.png", Ok(kPng)}, {"h:80 /c_0.png", Ok(kPng)}};
    EXPECT_EQ(Fetch("http://h/a.png").savedName, "a.png");
    EXPECT_EQ(Fetch("http://h/a.png").savedName, "a_001.png");  // a second download of the same image
    EXPECT_EQ(Fetch("http://h/a.png").savedName, "a_002.png");
    existing = {"C:\\in\\b_7.png", "C:\\in\\b_007.png"};
    EXPECT_EQ(Fetch("http://h/b_7.png").savedName, "b_008.png");  // counting goes on from the number in the name
    existing = {"C:\\in\\c_0.png"};
    EXPECT_EQ(Fetch("http://h/c_0.png").savedName, "c_001.png");  // 0 counts as 1

    // When the first 99 numbers are all taken the fetch fails and writes nothing.
    existing = {"C:\\in\\d.png"};
    for (int n = 1; n <= 99; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "C:\\in\\d_%03d.png", n);
        existing.insert(name);
    }
    web["h:80 /d.png"] = Ok(kPng);
    written.clear();
    EXPECT_EQ(Fetch("http://h/d.png").failure, FetchFailure::BadName);
    EXPECT_TRUE(written.empty());
}

TEST_F(FetchTest, FollowsARedirectChainWithoutTheReferrer)
{
    web = {{"h:80 /a", Moved(301, "http://h:81/b")},
           {"h:81 /b", Moved(302, "  http://cdn/final.gif  ")},
           {"cdn:80 /final.gif", Ok(kPng)}};
    std::string address = "http://h/a";
    const FetchOutcome outcome = Fetch(address, "http://h/page");
    EXPECT_EQ(outcome.savedName, "final.png");  // named after the address the body came from
    EXPECT_EQ(address, "http://h/a");
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_NE(requests[0].bytes.find("Referer: http://h/page\r\n"), std::string::npos);
    EXPECT_EQ(requests[1].bytes.find("Referer:"), std::string::npos);
    EXPECT_EQ(requests[2].bytes.find("Referer:"), std::string::npos);
}

TEST_F(FetchTest, RedirectsEndAfterTheLimit)
{
    // A chain of exactly kMaxRedirects redirects is followed; a loop is not.
    for (int i = 0; i < kMaxRedirects; ++i)
        web["h:80 /" + std::to_string(i)] = Moved(301, "http://h/" + std::to_string(i + 1));
    web["h:80 /" + std::to_string(kMaxRedirects)] = Ok(kPng);
    EXPECT_TRUE(Fetch("http://h/0").savedName);
    EXPECT_EQ(requests.size(), static_cast<std::size_t>(kMaxRedirects + 1));

    web = {{"h:80 /loop", Moved(302, "http://h/loop")}};
    written.clear();
    requests.clear();
    const FetchOutcome loop = Fetch("http://h/loop");
    EXPECT_EQ(loop.failure, FetchFailure::TooManyRedirects);
    EXPECT_EQ(requests.size(), static_cast<std::size_t>(kMaxRedirects + 1));
    EXPECT_TRUE(written.empty());

    // A redirect to nowhere (no Location, or one without a host) is a failure, not a request.
    web = {{"h:80 /n", "HTTP/1.0 301 Moved\r\n\r\n"}, {"h:80 /r", Moved(302, "/relative.png")}};
    requests.clear();
    EXPECT_EQ(Fetch("http://h/n").failure, FetchFailure::TooManyRedirects);
    EXPECT_EQ(Fetch("http://h/r").failure, FetchFailure::TooManyRedirects);
    EXPECT_EQ(requests.size(), 2u);
}

TEST_F(FetchTest, FailuresWriteNothing)
{
    struct Case {
        std::string response;
        FetchFailure failure;
        int status;
    };
    const Case cases[] = {
        {"HTTP/1.0 404 Not Found\r\n\r\n" + std::string(kPng), FetchFailure::BadStatus, 404},
        {"HTTP/1.0 500 Oops\r\n\r\nx", FetchFailure::BadStatus, 500},
        {"ICY 200 OK\r\n\r\n" + std::string(kPng), FetchFailure::BadStatus, 404},  // not HTTP: counts as 404
        {"HTTP/1.0 200 OK\r\n\r\n", FetchFailure::EmptyBody, 200},
        {"HTTP/1.0 200 OK\r\nX: y\r\n", FetchFailure::EmptyBody, 200},  // the header never ends
        {"", FetchFailure::NoResponse, 0},
    };
    for (const Case& c : cases) {
        web = {{"h:80 /a.png", c.response}};
        const FetchOutcome outcome = Fetch("http://h/a.png");
        EXPECT_FALSE(outcome.savedName) << c.response;
        EXPECT_EQ(outcome.failure, c.failure) << c.response;
        EXPECT_EQ(outcome.status, c.status) << c.response;
    }
    web.clear();  // the transport fails
    EXPECT_EQ(Fetch("http://h/a.png").failure, FetchFailure::NoResponse);
    web = {{"h:80 /a.png", Ok(kPng)}};
    refuseWrites = true;
    EXPECT_EQ(Fetch("http://h/a.png").failure, FetchFailure::WriteFailed);
    refuseWrites = false;
    // A folder so long that no name fits.
    EXPECT_EQ(Fetch("http://h/a.png", "", "C:\\" + std::string(253, 'f')).failure, FetchFailure::BadName);
    EXPECT_TRUE(written.empty());
    EXPECT_EQ(FetchFailureText(Fetch("http://h/missing")), "no response (lookup, connection or transfer failed)");
}

TEST_F(FetchTest, AHugeBodyIsRefused)
{
    const std::string header = "HTTP/1.0 200 OK\r\n\r\n";
    web = {{"h:80 /big.png", header + std::string(kMaxBodyBytes + 1, 'x')}};
    EXPECT_EQ(Fetch("http://h/big.png").failure, FetchFailure::BodyTooLarge);
    EXPECT_TRUE(written.empty());
    web = {{"h:80 /big.png", header + std::string(kMaxBodyBytes, 'x')}};
    EXPECT_EQ(Fetch("http://h/big.png").savedName, "big.png");
    EXPECT_EQ(written["C:\\in\\big.png"], "big:" + std::to_string(kMaxBodyBytes));
}

TEST_F(FetchTest, AnUnsendableAddressOrReferrerSendsNothing)
{
    web = {{"h:80 /a.png", Ok(kPng)}};
    EXPECT_EQ(Fetch("http://h/a.png\r\nX-Evil: 1").failure, FetchFailure::BadAddress);
    EXPECT_EQ(Fetch("http:///a.png").failure, FetchFailure::BadAddress);
    EXPECT_EQ(Fetch("").failure, FetchFailure::BadAddress);
    EXPECT_EQ(Fetch("http://h/a.png", "http://h/\r\nCookie: x").failure, FetchFailure::BadAddress);
    EXPECT_TRUE(requests.empty());
    EXPECT_TRUE(written.empty());
}

}  // namespace
}  // namespace pw
