// One HTTP exchange over Winsock on the window thread: every wait is a one-second select preceded by a
// dispatch of the pending window messages, so the window stays responsive and a quit request ends the
// exchange.
#pragma once

#include <optional>
#include <string>

namespace pw {

// Sends the request to host:port and returns every byte received until the server closed the connection.
// nullopt when the name does not resolve, the connection or the send fails, the server is silent for seven
// seconds in a row (before or during the body), more than kMaxReceivedBytes arrive, or the program is quitting.
std::optional<std::string> HttpGet(const std::string& hostName, int port, const std::string& request);

}  // namespace pw
