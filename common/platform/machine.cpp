#include "common/platform/machine.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netpacket/packet.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstdio>

namespace platform {

std::vector<NetworkAdapter> ListNetworkAdapters() {
    std::vector<NetworkAdapter> adapters;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return adapters;
    for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        // Link-level entries carry the hardware address; there is one per adapter.
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_PACKET || !entry->ifa_name)
            continue;
        const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
        NetworkAdapter adapter;
        adapter.name = entry->ifa_name;
        adapter.index = static_cast<unsigned>(link->sll_ifindex);
        adapter.isLoopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
        size_t length = std::min<size_t>(link->sll_halen, sizeof(link->sll_addr));
        adapter.hardwareAddress.assign(link->sll_addr, link->sll_addr + length);
        adapters.push_back(std::move(adapter));
    }
    freeifaddrs(list);
    std::stable_sort(
        adapters.begin(), adapters.end(),
        [](const NetworkAdapter& a, const NetworkAdapter& b) { return a.index < b.index; });
    return adapters;
}

std::string FormatHardwareAddress(const std::vector<std::uint8_t>& address) {
    if (address.size() != 6) return "";
    char text[18];
    std::snprintf(text, sizeof(text), "%02X:%02X:%02X:%02X:%02X:%02X", address[0], address[1],
                  address[2], address[3], address[4], address[5]);
    return text;
}

std::string FirstAdapterMacAddress(const std::vector<NetworkAdapter>& adapters) {
    for (const NetworkAdapter& adapter : adapters) {
        if (adapter.isLoopback) continue;
        const auto& a = adapter.hardwareAddress;
        if (a.size() != 6 || std::all_of(a.begin(), a.end(), [](std::uint8_t b) { return b == 0; }))
            continue;
        return FormatHardwareAddress(a);
    }
    return "";
}

std::string MachineMacAddress() {
    return FirstAdapterMacAddress(ListNetworkAdapters());
}

}  // namespace platform
