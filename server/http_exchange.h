#pragma once
// cpp-httplib's request parser, router and answer writer over one request already held
// in memory, for the connection server: the library sees a stream that reads the bytes
// received and collects what it writes, so that an answer leaves in one piece.
#include <httplib.h>

#include <string_view>

#include "server/connection_server.h"

namespace server {

class HttpExchange : public httplib::Server {
public:
    // Parses `request`, runs the handlers registered with Get/Post and gives the answer.
    Exchange Answer(std::string_view request, const PeerAddress& peer, bool lastOnConnection);
};

}  // namespace server
