// pagewick-cli fetch: one web address fetched into a folder by the program's own fetch flow, over plain POSIX
// sockets with the program's waits: at most seven one-second polls in a row without progress.
#if !defined(_WIN32)
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "cli_common.h"
#include "media/fetch.h"
#include "pw_version.h"
#include "verbs.h"

namespace pwcli {

namespace {

#if !defined(_WIN32)

constexpr int kMaxQuietWaits = 7;
constexpr int kWaitMs = 1000;
constexpr int kSocketTimeoutSeconds = 10;
constexpr std::size_t kReceiveChunk = 2047;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

enum class Wait { Ready, Quiet, Failed };

Wait WaitOnce(int fd, short events)
{
    pollfd entry{fd, events, 0};
    const int result = ::poll(&entry, 1, kWaitMs);
    if (result < 0) return errno == EINTR ? Wait::Quiet : Wait::Failed;
    if (result == 0) return Wait::Quiet;
    if (entry.revents & events) return Wait::Ready;
    return Wait::Failed;  // an error or hang-up with nothing to read
}

bool WaitUntilWritable(int fd)
{
    for (int round = 0; round < kMaxQuietWaits; ++round) {
        const Wait wait = WaitOnce(fd, POLLOUT);
        if (wait != Wait::Quiet) return wait == Wait::Ready;
    }
    return false;
}

std::optional<std::string> ReceiveAll(int fd)
{
    std::string data;
    char chunk[kReceiveChunk];
    for (int quiet = 0; quiet < kMaxQuietWaits;) {
        const Wait wait = WaitOnce(fd, POLLIN);
        if (wait == Wait::Failed) return std::nullopt;
        if (wait == Wait::Quiet) {
            ++quiet;
            continue;
        }
        const ssize_t received = ::recv(fd, chunk, sizeof chunk, 0);
        if (received == 0) return data;
        if (received < 0) {
            if (data.empty()) return std::nullopt;
            ++quiet;
            continue;
        }
        data.append(chunk, static_cast<std::size_t>(received));
        if (data.size() > pw::kMaxReceivedBytes) return std::nullopt;
        quiet = 0;
    }
    return std::nullopt;
}

int Connect(const std::string& hostName, int port)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(hostName.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) return -1;
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owner(found, ::freeaddrinfo);
    const int fd = ::socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    if (fd < 0) return -1;
    if (::connect(fd, found->ai_addr, found->ai_addrlen) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<std::string> SocketGet(const std::string& hostName, int port, const std::string& request)
{
    const Fd socket(Connect(hostName, port));
    if (socket.get() < 0) return std::nullopt;
    const timeval timeout{kSocketTimeoutSeconds, 0};
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(socket.get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (::fcntl(socket.get(), F_SETFL, ::fcntl(socket.get(), F_GETFL) | O_NONBLOCK) != 0) return std::nullopt;
    if (!WaitUntilWritable(socket.get())) return std::nullopt;
    const ssize_t sent = ::send(socket.get(), request.data(), request.size(), MSG_NOSIGNAL);
    if (sent != static_cast<ssize_t>(request.size())) return std::nullopt;
    return ReceiveAll(socket.get());
}

// The fetch names paths the Windows way; the disk here wants "/".
std::string DiskPath(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// A file that must not exist yet: created exclusively, removed again when the write fails.
bool WriteNew(const std::string& path, std::string_view bytes)
{
    const std::string disk = DiskPath(path);
    const int fd = ::open(disk.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote <= 0) break;
        done += static_cast<std::size_t>(wrote);
    }
    const bool ok = ::close(fd) == 0 && done == bytes.size();
    if (!ok) ::unlink(disk.c_str());
    return ok;
}

#endif

}  // namespace

int FetchVerb(std::span<char* const> args)
{
    if (args.size() != 2) return 2;
    std::string address = args[0];
    const fs::path folder = args[1];
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::fprintf(stderr, "pagewick-cli fetch: no folder %s\n", folder.string().c_str());
        return 1;
    }
#if defined(_WIN32)
    std::fputs("pagewick-cli fetch: this build has no socket transport; the program fetches by itself\n", stderr);
    return 1;
#else
    pw::FetchIo io;
    io.get = SocketGet;
    io.exists = [](const std::string& path) {
        std::error_code ignored;
        return fs::exists(DiskPath(path), ignored);
    };
    io.writeNew = WriteNew;
    const pw::FetchOutcome outcome = pw::FetchToFile(address, "", folder.string(), PW_VERSION_TEXT, io);
    if (!outcome.savedName) {
        std::fprintf(stderr, "pagewick-cli fetch: %s: %s\n", args[0], pw::FetchFailureText(outcome).c_str());
        return 1;
    }
    WriteOut(*outcome.savedName + "\n");
    return 0;
#endif
}

}  // namespace pwcli
