// Fetching one web address into a file of a folder: the request, the redirects, the naming of the file and the
// refusals, over a transport and file operations handed in, so that the same flow runs over Winsock in the
// program, over POSIX sockets in pagewick-cli, and over scripted bytes in the tests.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "media/http.h"

namespace pw {

// Received bytes beyond the largest body and a generous header block are not worth waiting for: a transport
// gives up once it holds more than this.
inline constexpr std::size_t kMaxReceivedBytes = kMaxBodyBytes + 64 * 1024;

struct FetchIo {
    // Sends the request to the host and port and returns every byte received until the server closed the
    // connection; nullopt on any failure of the exchange.
    std::function<std::optional<std::string>(const std::string& hostName, int port, const std::string& request)> get;
    std::function<bool(const std::string& path)> exists;
    // Writes a file that must not exist yet; false (and no file left behind) when it cannot.
    std::function<bool(const std::string& path, std::string_view bytes)> writeNew;
};

enum class FetchFailure {
    None,
    BadAddress,        // not sendable, no host, or a referrer that would bend the request
    NoResponse,        // the exchange failed or nothing came back
    TooManyRedirects,  // more than kMaxRedirects, or a redirect without a usable Location
    BadStatus,         // anything but 200 (a header that is not HTTP counts as 404)
    EmptyBody,
    BodyTooLarge,  // more than kMaxBodyBytes
    BadName,       // the target path would not fit, or every free name is taken
    WriteFailed,
};

struct FetchOutcome {
    std::optional<std::string> savedName;  // name and extension of the file written
    FetchFailure failure = FetchFailure::None;
    int status = 0;  // the last status read, for the message of a BadStatus failure
};

// Fetches the address into the folder; nothing is written unless the whole fetch succeeds, and an existing
// file is never replaced (a free "_NNN" name is chosen). When the response names the file, that name (its
// extension corrected by the content) replaces the address. version goes into the User-Agent line.
FetchOutcome FetchToFile(std::string& address, std::string_view referrer, std::string_view folder,
                         std::string_view version, const FetchIo& io);

// A one-line English text of the failure for pagewick-cli.
std::string FetchFailureText(const FetchOutcome& outcome);

}  // namespace pw
