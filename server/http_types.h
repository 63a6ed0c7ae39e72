#pragma once
// A request and its reply as the site logic sees them, apart from the HTTP library,
// so that the routing can be tested without a socket.
#include <map>
#include <string>

namespace server {

struct HttpRequest {
    std::string method = "GET";  // GET, HEAD or POST
    std::string path;            // decoded, without the query
    std::string rawQuery;        // the query as sent, without '?'
    std::multimap<std::string, std::string> params;  // decoded query parameters
    std::string body;
    std::string host;  // Host header: "127.0.0.1:PORT"

    // First value of a query parameter, "" when absent.
    std::string Param(const std::string& name) const;
};

struct HttpReply {
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    std::string body;
};

}  // namespace server
