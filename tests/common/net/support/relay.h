#pragma once
// A script that passes a connection through to a server on another loopback port, and can
// cut it after a number of bytes towards the client: a network break on demand.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/net/support/script_server.h"

namespace nettest {

void RelayTo(std::uint16_t upstreamPort, ScriptConnection& client,
             std::optional<std::size_t> cutAfter);

}  // namespace nettest
