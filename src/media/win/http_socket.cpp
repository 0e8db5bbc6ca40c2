// The exchange: start Winsock 1.1, resolve the host (first IPv4 address of a name lookup, else a dotted
// address), a blocking connect, 10-second send and receive time-outs, then non-blocking: wait until writable,
// one send of the whole request, and receive until the server closes the connection. Every wait is at most
// seven one-second selects in a row, each after a dispatch of the pending window messages.
#include <winsock2.h>

#include "media/win/http_socket.h"

#include <cstring>

#include "media/fetch.h"
#include "settings/win/message_pump.h"

namespace pw {
namespace {

constexpr int kMaxQuietWaits = 7;  // one-second waits without progress before the exchange fails
constexpr DWORD kSocketTimeoutMs = 10000;
constexpr int kReceiveChunk = 2047;

class SocketLibrary {
public:
    SocketLibrary() : started_(WSAStartup(MAKEWORD(1, 1), &data_) == 0) {}
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;
    ~SocketLibrary()
    {
        if (started_) WSACleanup();
    }
    bool started() const { return started_; }

private:
    WSADATA data_{};
    bool started_;
};

class Socket {
public:
    explicit Socket(SOCKET s) : s_(s) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket()
    {
        if (s_ != INVALID_SOCKET) closesocket(s_);
    }
    SOCKET get() const { return s_; }
    bool valid() const { return s_ != INVALID_SOCKET; }

private:
    SOCKET s_;
};

std::optional<in_addr> Resolve(const std::string& name)
{
    in_addr address{};
    const hostent* host = gethostbyname(name.c_str());
    if (host && host->h_addrtype == AF_INET && host->h_length == sizeof address && host->h_addr_list[0]) {
        std::memcpy(&address, host->h_addr_list[0], sizeof address);
        return address;
    }
    const unsigned long dotted = inet_addr(name.c_str());
    if (dotted == INADDR_NONE || dotted == 0) return std::nullopt;
    address.s_addr = dotted;
    return address;
}

enum class Wait { Ready, Quiet, Failed };

// One round: the message dispatch, then a select of at most one second on the socket and its errors.
Wait WaitOnce(SOCKET s, bool forWriting)
{
    if (!PumpPendingMessages(-1)) return Wait::Failed;
    fd_set ready;
    fd_set errors;
    FD_ZERO(&ready);
    FD_ZERO(&errors);
    FD_SET(s, &ready);
    FD_SET(s, &errors);
    timeval second{1, 0};
    const int result = select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &errors, &second);
    if (result == SOCKET_ERROR) return WSAGetLastError() == WSAEWOULDBLOCK ? Wait::Quiet : Wait::Failed;
    if (FD_ISSET(s, &errors)) return Wait::Failed;
    return FD_ISSET(s, &ready) ? Wait::Ready : Wait::Quiet;
}

bool WaitUntilWritable(SOCKET s)
{
    for (int round = 0; round < kMaxQuietWaits; ++round) {
        const Wait wait = WaitOnce(s, true);
        if (wait != Wait::Quiet) return wait == Wait::Ready;
    }
    return false;
}

// Receives until the server closes the connection. A receive error after data has come is not the end (the
// rest may still come), but it counts as a quiet round, so a connection that only fails cannot hold the
// window thread for longer than the silent waits allow.
std::optional<std::string> ReceiveAll(SOCKET s)
{
    std::string data;
    int quiet = 0;
    char chunk[kReceiveChunk];
    while (quiet < kMaxQuietWaits) {
        const Wait wait = WaitOnce(s, false);
        if (wait == Wait::Failed) return std::nullopt;
        if (wait == Wait::Quiet) {
            ++quiet;
            continue;
        }
        const int received = recv(s, chunk, sizeof chunk, 0);
        if (received == 0) return data;
        if (received < 0) {
            if (data.empty()) return std::nullopt;
            ++quiet;
            continue;
        }
        data.append(chunk, static_cast<std::size_t>(received));
        if (data.size() > kMaxReceivedBytes) return std::nullopt;
        if (!PumpPendingMessages(-1)) return std::nullopt;
        quiet = 0;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> HttpGet(const std::string& hostName, int port, const std::string& request)
{
    SocketLibrary library;
    if (!library.started() || port <= 0 || port > 65535) return std::nullopt;
    const std::optional<in_addr> address = Resolve(hostName);
    if (!address) return std::nullopt;
    Socket socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!socket.valid()) return std::nullopt;
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<u_short>(port));
    peer.sin_addr = *address;
    if (connect(socket.get(), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) return std::nullopt;
    const DWORD timeout = kSocketTimeoutMs;
    setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    setsockopt(socket.get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    u_long nonBlocking = 1;
    if (ioctlsocket(socket.get(), FIONBIO, &nonBlocking) != 0) return std::nullopt;

    if (!WaitUntilWritable(socket.get())) return std::nullopt;
    // One send: a request that does not go out whole is a failure rather than half a request.
    const int sent = send(socket.get(), request.data(), static_cast<int>(request.size()), 0);
    if (sent != static_cast<int>(request.size())) return std::nullopt;
    if (!PumpPendingMessages(-1)) return std::nullopt;
    return ReceiveAll(socket.get());
}

}  // namespace pw
