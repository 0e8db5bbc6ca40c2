#include "media/fetch.h"

#include <algorithm>

#include "media/fetch_names.h"
#include "notes/note_text.h"
#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

FetchOutcome Failed(FetchFailure failure, int status = 0)
{
    FetchOutcome outcome;
    outcome.failure = failure;
    outcome.status = status;
    return outcome;
}

// The target path for a body: the name from the address (or the response's name that replaced it) in the
// folder, its extension corrected by the content, its separators made one "\" each, and a free name when one
// of that path exists. nullopt when the path would not fit or no free name is left.
std::optional<std::string> TargetPath(std::string_view address, std::string_view folder, std::string_view body,
                                      const FetchIo& io)
{
    std::string path;
    if (!JoinPath(path, folder, FetchedFileName(address))) return std::nullopt;
    path = CorrectExtension(path, body);
    std::replace(path.begin(), path.end(), '/', '\\');
    path = CollapseBackslashes(path);
    if (path.size() > kMaxText) return std::nullopt;
    return FreeFileName(path, io.exists);
}

FetchOutcome SaveBody(std::string_view address, const HttpResponse& response, std::string_view folder,
                      const FetchIo& io)
{
    if (!response.hasBody || response.body.empty()) return Failed(FetchFailure::EmptyBody, response.status);
    if (response.body.size() > kMaxBodyBytes) return Failed(FetchFailure::BodyTooLarge, response.status);
    const std::optional<std::string> path = TargetPath(address, folder, response.body, io);
    if (!path) return Failed(FetchFailure::BadName, response.status);
    if (!io.writeNew(*path, response.body)) return Failed(FetchFailure::WriteFailed, response.status);
    FetchOutcome outcome;
    outcome.savedName = FileNameOf(*path);
    outcome.status = response.status;
    return outcome;
}

}  // namespace

FetchOutcome FetchToFile(std::string& address, std::string_view referrer, std::string_view folder,
                         std::string_view version, const FetchIo& io)
{
    // A referrer goes into a header line as it is: one that could end that line is refused like an address.
    if (!IsSendableAddress(referrer)) return Failed(FetchFailure::BadAddress);
    std::string current = address;
    std::string currentReferrer(referrer);
    for (int redirects = 0;; ++redirects) {
        const std::optional<AddressParts> parts = SplitAddress(current);
        if (!parts) return Failed(redirects == 0 ? FetchFailure::BadAddress : FetchFailure::TooManyRedirects);
        const HostPort host = SplitHostPort(parts->host);
        const std::optional<std::string> received =
            io.get(host.name, host.port, BuildRequest(parts->path, host.name, currentReferrer, version));
        if (!received || received->empty()) return Failed(FetchFailure::NoResponse);
        const HttpResponse response = ParseResponse(*received);
        if (response.status == 301 || response.status == 302) {
            if (redirects == kMaxRedirects) return Failed(FetchFailure::TooManyRedirects, response.status);
            current = response.location;
            currentReferrer.clear();
            continue;
        }
        if (response.status != 200) return Failed(FetchFailure::BadStatus, response.status);
        // The name the response gives (its extension set by the content) stands for the address from here on;
        // otherwise the file is named after the address the body came from, the last of any redirects.
        if (!response.fileName.empty()) current = CorrectExtension(response.fileName, response.body);
        FetchOutcome outcome = SaveBody(current, response, folder, io);
        if (outcome.savedName && !response.fileName.empty()) address = current;
        return outcome;
    }
}

std::string FetchFailureText(const FetchOutcome& outcome)
{
    switch (outcome.failure) {
        case FetchFailure::None:
            return "fetched";
        case FetchFailure::BadAddress:
            return "the address cannot be sent as an HTTP request";
        case FetchFailure::NoResponse:
            return "no response (lookup, connection or transfer failed)";
        case FetchFailure::TooManyRedirects:
            return "too many redirects, or a redirect without an address";
        case FetchFailure::BadStatus:
            return "the server answered with status " + IntegerText(outcome.status);
        case FetchFailure::EmptyBody:
            return "the response has no body";
        case FetchFailure::BodyTooLarge:
            return "the body is larger than the program keeps";
        case FetchFailure::BadName:
            return "no free file name fits the folder";
        case FetchFailure::WriteFailed:
            return "the file could not be written";
    }
    return "failed";
}

}  // namespace pw
