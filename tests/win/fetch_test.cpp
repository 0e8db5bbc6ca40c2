// Dragged web images fetched from a web server of the test's own on 127.0.0.1: what is sent, what is saved
// under which name, and that a failure leaves neither a file in the folder nor a temporary one behind.
#include <winsock2.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gui_harness.h"
#include "test_server.h"
#include "media/fetch.h"
#include "media/win/fetch.h"
#include "pw_version.h"

namespace pwtest {
namespace {

const std::string kPng("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
const std::string kJfif("\xff\xd8\xff\xe0\0\x10JFIF\0\1\1", 13);

std::string Ok(const std::string& body, const std::string& extraHeader = "")
{
    return "HTTP/1.0 200 OK\r\n" + extraHeader + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

class FetchTest : public PagewickTest {
protected:
    void SetUp() override
    {
        PagewickTest::SetUp();
        folder = InFolder("in");
        MakeFolder(folder);
    }

    std::optional<std::string> Fetch(const std::string& path, const std::string& referrer = "")
    {
        address = server.Address(path);
        return pw::FetchToFile(address, referrer, folder);
    }

    // The names in a folder, sorted.
    std::vector<std::string> NamesIn(const std::string& dir)
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        const HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(find, &found));
        FindClose(find);
        std::sort(names.begin(), names.end());
        return names;
    }
    // Nothing in the target folder and no temporary file left.
    void ExpectNothingWritten()
    {
        EXPECT_TRUE(NamesIn(folder).empty());
        EXPECT_TRUE(NamesIn(InFolder("temp")).empty());
    }

    TestServer server;
    std::string folder;
    std::string address;
};

TEST_F(FetchTest, SavesTheNamedFileWithTheExtensionOfItsContent)
{
    server.Serve([](const std::string&) {
        return Reply{Ok(kJfif, "Content-Disposition: inline; filename=\"holiday.jpeg\"\r\n")};
    });
    EXPECT_EQ(Fetch("/picture?id=4"), "holiday.jpg");
    EXPECT_EQ(address, "holiday.jpg");
    EXPECT_EQ(ReadFile(folder + "\\holiday.jpg"), kJfif);
    EXPECT_TRUE(NamesIn(InFolder("temp")).empty());
}

TEST_F(FetchTest, SendsTheRequestByteForByteAndNeverReplacesAFile)
{
    server.Serve([](const std::string&) { return Reply{Ok(kPng)}; });
    WriteFile(folder + "\\logo.png", "mine");
    EXPECT_EQ(Fetch("/imgs/logo.gif", "http://127.0.0.1/page.html"), "logo_001.png");
    EXPECT_EQ(Fetch("/imgs/logo.gif"), "logo_002.png");
    EXPECT_EQ(ReadFile(folder + "\\logo.png"), "mine");
    EXPECT_EQ(ReadFile(folder + "\\logo_001.png"), kPng);
    EXPECT_EQ(ReadFile(folder + "\\logo_002.png"), kPng);
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[0],
              "GET /imgs/logo.gif HTTP/1.0\r\nHost: 127.0.0.1\r\n"
              "Referer: http://127.0.0.1/page.html\r\n"
              "User-Agent: Pagewick " PW_VERSION_TEXT " www.pagewick.net\r\n\r\n\r\n");
}

TEST_F(FetchTest, FollowsRedirectsButNotForever)
{
    const std::string final = server.Address("/final.gif");
    server.Serve([this, final](const std::string& request) {
        if (request.rfind("GET /one ", 0) == 0) return Reply{"HTTP/1.0 301 Moved\r\nLocation: /two\r\n\r\n"};
        if (request.rfind("GET /a ", 0) == 0)
            return Reply{"HTTP/1.0 301 Moved\r\nLocation: " + server.Address("/b") + "\r\n\r\n"};
        if (request.rfind("GET /b ", 0) == 0) return Reply{"HTTP/1.0 302 Found\r\nLocation: " + final + "\r\n\r\n"};
        if (request.rfind("GET /final.gif ", 0) == 0) return Reply{Ok("GIF89a...")};
        return Reply{"HTTP/1.0 302 Found\r\nLocation: " + server.Address("/loop") + "\r\n\r\n"};
    });
    EXPECT_EQ(Fetch("/a"), "final.gif");
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_EQ(ReadFile(folder + "\\final.gif"), "GIF89a...");
    DeleteFileA((folder + "\\final.gif").c_str());

    EXPECT_EQ(Fetch("/loop"), std::nullopt);
    EXPECT_EQ(server.requests().size(), 3u + pw::kMaxRedirects + 1);
    EXPECT_EQ(Fetch("/one"), std::nullopt);  // a relative Location is not followed
    ExpectNothingWritten();
}

TEST_F(FetchTest, AnErrorStatusWritesNothing)
{
    server.Serve([](const std::string&) { return Reply{"HTTP/1.0 404 Not Found\r\n\r\n" + kPng}; });
    EXPECT_EQ(Fetch("/missing.png"), std::nullopt);
    ExpectNothingWritten();
}

TEST_F(FetchTest, AServerSilentForSevenSecondsFailsEvenMidBody)
{
    server.Serve([](const std::string&) {
        return Reply{"HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n" + kPng, true};
    });
    EXPECT_EQ(Fetch("/slow.png"), std::nullopt);
    ExpectNothingWritten();
}

TEST_F(FetchTest, AHugeBodyIsRefused)
{
    server.Serve([](const std::string&) { return Reply{Ok(kPng + std::string(pw::kMaxBodyBytes, 'x'))}; });
    EXPECT_EQ(Fetch("/huge.png"), std::nullopt);
    ExpectNothingWritten();
}

TEST_F(FetchTest, AMoveThatFailsLeavesNoTemporaryFile)
{
    server.Serve([](const std::string&) { return Reply{Ok(kPng)}; });
    address = server.Address("/a.png");
    EXPECT_EQ(pw::FetchToFile(address, "", folder + "\\gone"), std::nullopt);
    ExpectNothingWritten();
}

TEST_F(FetchTest, NoServerOrNoHostIsAFailure)
{
    // The port of a server that is gone: nothing listens there.
    const int port = [] {
        TestServer gone;
        return gone.port();
    }();
    address = "http://127.0.0.1:" + std::to_string(port) + "/a.png";
    EXPECT_EQ(pw::FetchToFile(address, "", folder), std::nullopt);
    address = "http://no-such-host.invalid/a.png";
    EXPECT_EQ(pw::FetchToFile(address, "", folder), std::nullopt);
    ExpectNothingWritten();
}

}  // namespace
}  // namespace pwtest
