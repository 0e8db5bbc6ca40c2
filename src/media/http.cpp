#include "media/http.h"

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view SkipPrefix(std::string_view text, std::string_view prefix)
{
    return StartsWithNoCase(text, prefix) ? text.substr(prefix.size()) : text;
}

bool AllDigits(std::string_view text)
{
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The text after the marker up to the stop byte (or the end); nullopt when the marker is absent.
std::optional<std::string_view> After(std::string_view text, std::string_view marker, char stop)
{
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(at + marker.size());
    return rest.substr(0, rest.find(stop));
}

int StatusOf(std::string_view header)
{
    if (!StartsWithNoCase(header, "http")) return 404;
    const std::size_t first = header.find(' ');
    if (first == std::string_view::npos) return 404;
    const std::size_t second = header.find(' ', first + 1);
    const std::string_view number =
        header.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
    if (!AllDigits(number) || number.size() > 3) return 404;
    return DecimalPrefix(number);
}

}  // namespace

bool IsSendableAddress(std::string_view address)
{
    for (char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7f) return false;
    }
    return true;
}

std::optional<AddressParts> SplitAddress(std::string_view address)
{
    if (!IsSendableAddress(address)) return std::nullopt;
    std::string_view rest = SkipPrefix(SkipPrefix(address, "http://"), "https://");
    const std::size_t slash = rest.find('/');
    AddressParts parts;
    parts.host = std::string(rest.substr(0, slash));
    parts.path = slash == std::string_view::npos ? "/" : "/" + std::string(rest.substr(slash + 1));
    if (parts.host.empty() || parts.host.size() > kMaxHostText) return std::nullopt;
    return parts;
}

HostPort SplitHostPort(std::string_view host)
{
    HostPort result;
    const std::size_t colon = host.find(':');
    result.name = std::string(host.substr(0, colon));
    if (colon == std::string_view::npos) return result;
    const std::string_view port = host.substr(colon + 1);
    if (AllDigits(port) && port.size() <= 5) {
        const int number = DecimalPrefix(port);
        if (number > 0 && number <= 65535) result.port = number;
    }
    return result;
}

std::string BuildRequest(std::string_view path, std::string_view hostName, std::string_view referrer,
                         std::string_view version)
{
    std::string request = "GET ";
    request.append(path).append(" HTTP/1.0").append(kCrLf);
    request.append("Host: ").append(hostName).append(kCrLf);
    if (!referrer.empty()) request.append("Referer: ").append(referrer).append(kCrLf);
    request.append("User-Agent: Pagewick ").append(version).append(" ").append(kAgentHost).append(kCrLf);
    request.append(kCrLf).append(kCrLf);
    return request;
}

HttpResponse ParseResponse(std::string_view received)
{
    HttpResponse response;
    const std::size_t end = received.find("\n\r\n");
    std::string_view header = received;
    if (end != std::string_view::npos) {
        header = received.substr(0, end + 2);
        response.body = received.substr(end + 3);
        response.hasBody = true;
    }
    response.header = std::string(header.substr(0, kMaxHeaderText));
    response.status = StatusOf(response.header);
    if (const auto location = After(response.header, "Location:", '\n')) {
        std::string_view value = *location;
        if (!value.empty() && (value.back() == '\r' || value.back() == '\n')) value.remove_suffix(1);
        response.location = Cut(TrimSpaces(value), kMaxLocationText);
    }
    if (const auto name = After(response.header, "filename=\"", '"'))
        response.fileName = std::string(name->substr(0, kMaxResponseName));
    return response;
}

}  // namespace pw
