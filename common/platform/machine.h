#pragma once
// Facts about this machine that the client reports to its server.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct NetworkAdapter {
    std::string name;
    unsigned index = 0;  // the system's interface index: the order adapters are listed in
    bool isLoopback = false;
    std::vector<std::uint8_t> hardwareAddress;  // empty when the adapter has none
};

// The network adapters of this machine, in interface-index order.
std::vector<NetworkAdapter> ListNetworkAdapters();

// "00:1A:2B:3C:4D:5E": six upper-case hex pairs separated by colons; empty unless the
// address has exactly six bytes.
std::string FormatHardwareAddress(const std::vector<std::uint8_t>& address);

// The address of the first adapter in the list that is not a loopback and has a six-byte,
// not all-zero hardware address, formatted as above; empty when there is none.
std::string FirstAdapterMacAddress(const std::vector<NetworkAdapter>& adapters);

// FirstAdapterMacAddress of this machine's adapters.
std::string MachineMacAddress();

}  // namespace platform
