#pragma once
// A small deterministic random source: the same key always gives the same sequence,
// so every document the server builds is the same from run to run and machine to machine.
#include <cstdint>
#include <string_view>
#include <vector>

namespace server {

class SeededRandom {
public:
    // Seeds from a key such as a stock code followed by the purpose ("600000/flow").
    explicit SeededRandom(std::string_view key);

    std::uint64_t Next();
    // Uniform in [low, high).
    double Uniform(double low, double high);
    // Uniform in [low, high], both ends included.
    int Int(int low, int high);
    bool Chance(double probability);
    // Roughly normal (sum of uniforms), mean 0, standard deviation 1.
    double Normal();

    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Int(0, static_cast<int>(items.size()) - 1))];
    }

private:
    std::uint64_t state_;
};

// FNV-1a hash of a text; used to seed and to give named things stable numbers.
std::uint64_t StableHash(std::string_view text);

}  // namespace server
