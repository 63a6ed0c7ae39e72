// The machine's network adapter address, as the login request sends it.
#include "common/platform/machine.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using platform::NetworkAdapter;

NetworkAdapter Adapter(std::string name, unsigned index, bool loopback,
                       std::vector<std::uint8_t> address) {
    return {std::move(name), index, loopback, std::move(address)};
}

TEST(MachineFacts, FirstRealAdapterInListOrderWinsWithUpperCaseColonPairs) {
    std::vector<NetworkAdapter> adapters = {
        Adapter("lo", 1, true, {0, 0, 0, 0, 0, 0}),
        Adapter("tun0", 2, false, {}),                                  // no hardware address
        Adapter("dummy", 3, false, {0, 0, 0, 0, 0, 0}),                 // all zero
        Adapter("ib0", 4, false, std::vector<std::uint8_t>(20, 0x11)),  // not six bytes
        Adapter("eth0", 5, false, {0x00, 0x1a, 0x2b, 0xc3, 0x0d, 0xfe}),
        Adapter("wlan0", 6, false, {0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0xff}),
    };
    EXPECT_EQ(platform::FirstAdapterMacAddress(adapters), "00:1A:2B:C3:0D:FE");
    adapters.erase(adapters.begin() + 4);
    EXPECT_EQ(platform::FirstAdapterMacAddress(adapters), "AA:BB:CC:DD:EE:FF");
}

TEST(MachineFacts, NoUsableAdapterGivesEmptyText) {
    EXPECT_EQ(platform::FirstAdapterMacAddress({}), "");
    EXPECT_EQ(platform::FirstAdapterMacAddress({Adapter("lo", 1, true, {1, 2, 3, 4, 5, 6})}), "");
    EXPECT_EQ(platform::FormatHardwareAddress({1, 2, 3}), "");
}

TEST(MachineFacts, ThisMachineAnswersInTheSameShape) {
    auto adapters = platform::ListNetworkAdapters();
    for (size_t i = 1; i < adapters.size(); ++i)
        EXPECT_LE(adapters[i - 1].index, adapters[i].index);
    std::string mac = platform::MachineMacAddress();
    EXPECT_EQ(mac, platform::FirstAdapterMacAddress(adapters));
    if (!mac.empty()) {
        EXPECT_TRUE(std::regex_match(mac, std::regex("([0-9A-F]{2}:){5}[0-9A-F]{2}")));
    }
}

}  // namespace
