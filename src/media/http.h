// The bytes of the small HTTP/1.0 exchange that fetches a dragged web image: the address split, the request,
// and the reading of the response. Nothing here touches a socket.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

inline constexpr std::size_t kMaxHostText = 259;
inline constexpr std::size_t kMaxHeaderText = 2599;
inline constexpr std::size_t kMaxLocationText = 259;
inline constexpr std::size_t kMaxResponseName = 259;
inline constexpr int kDefaultHttpPort = 80;
// Redirects followed before a fetch gives up, and the largest body kept.
inline constexpr int kMaxRedirects = 10;
inline constexpr std::size_t kMaxBodyBytes = 64u * 1024 * 1024;
inline constexpr std::string_view kAgentHost = "www.pagewick.net";

struct AddressParts {
    std::string host;  // with the port when the address gives one
    std::string path;  // "/" and what follows the host, query and fragment included
};

// An address holding a blank, CR, LF or another control character is refused before anything is sent: such
// bytes would end the request line and start headers of the sender's choosing.
bool IsSendableAddress(std::string_view address);
// A leading "http://", then a leading "https://", is skipped (case ignored); the host runs to the first "/".
// nullopt when the host part is empty or longer than kMaxHostText, or the address is not sendable.
std::optional<AddressParts> SplitAddress(std::string_view address);

struct HostPort {
    std::string name;
    int port = kDefaultHttpPort;
};
// The host part cut at its first ":"; a positive decimal number after it is the port, anything else gives 80.
HostPort SplitHostPort(std::string_view host);

// "GET path HTTP/1.0", "Host:", an optional "Referer:", "User-Agent: Pagewick <version> <site>", and the
// empty line, each ended by CR LF, then one more CR LF.
std::string BuildRequest(std::string_view path, std::string_view hostName, std::string_view referrer,
                         std::string_view version);

struct HttpResponse {
    std::string header;     // the header text, at most kMaxHeaderText characters
    std::string_view body;  // into the received bytes; empty when there is no header end
    bool hasBody = false;
    int status = 404;      // 404 unless the header begins with "http" and names a number
    std::string location;  // the "Location:" value, trimmed, at most kMaxLocationText characters
    std::string fileName;  // the quoted name after "filename=\"", at most kMaxResponseName characters
};
// Splits the received bytes at the first LF CR LF and reads the status line, Location and filename=.
HttpResponse ParseResponse(std::string_view received);

}  // namespace pw
