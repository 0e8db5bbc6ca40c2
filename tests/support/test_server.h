// A web server of the test's own on 127.0.0.1 that answers each request with the reply a script gives.
#pragma once

#include <winsock2.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pwtest {

struct Reply {
    std::string bytes;
    bool stall = false;  // after the bytes, send nothing more until the client gives up
};

// Listens on an ephemeral port of 127.0.0.1; a thread answers each connection, in turn, with the reply the
// script gives for its request, then closes it.
class TestServer {
public:
    using Script = std::function<Reply(const std::string& request)>;

    TestServer()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        int length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        listen(listener_, 4);
    }
    ~TestServer()
    {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        closesocket(listener_);
        WSACleanup();
    }

    void Serve(Script script)
    {
        script_ = std::move(script);
        thread_ = std::thread([this] { Run(); });
    }
    int port() const { return port_; }
    std::string Address(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    std::vector<std::string> requests()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    bool Readable(SOCKET s)
    {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(s, &set);
        timeval wait{0, 50 * 1000};
        return select(0, &set, nullptr, nullptr, &wait) > 0;
    }

    // The request ends with the empty line and one more CR LF; the client sends it in one piece.
    std::string ReadRequest(SOCKET s)
    {
        std::string request;
        char chunk[512];
        while (!stop_ && request.find("\r\n\r\n\r\n") == std::string::npos) {
            if (!Readable(s)) continue;
            const int got = recv(s, chunk, sizeof chunk, 0);
            if (got <= 0) break;
            request.append(chunk, static_cast<std::size_t>(got));
        }
        return request;
    }

    void Run()
    {
        while (!stop_) {
            if (!Readable(listener_)) continue;
            const SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            const std::string request = ReadRequest(client);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(request);
            }
            const Reply reply = script_(request);
            for (std::size_t sent = 0; sent < reply.bytes.size();) {
                const int chunk = static_cast<int>(std::min<std::size_t>(reply.bytes.size() - sent, 1 << 16));
                const int done = send(client, reply.bytes.data() + sent, chunk, 0);
                if (done <= 0) break;
                sent += static_cast<std::size_t>(done);
            }
            // A stalled reply holds the connection until the client closes its end (or the test ends).
            char ignored[256];
            while (reply.stall && !stop_) {
                if (Readable(client) && recv(client, ignored, sizeof ignored, 0) <= 0) break;
            }
            shutdown(client, SD_SEND);
            closesocket(client);
        }
    }

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    Script script_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> requests_;
};

}  // namespace pwtest
