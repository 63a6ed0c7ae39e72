#include "server/seeded_random.h"

namespace server {

std::uint64_t StableHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

SeededRandom::SeededRandom(std::string_view key) : state_(StableHash(key)) {}

std::uint64_t SeededRandom::Next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double SeededRandom::Uniform(double low, double high) {
    const double unit = static_cast<double>(Next() >> 11) / 9007199254740992.0;  // [0, 1)
    return low + (high - low) * unit;
}

int SeededRandom::Int(int low, int high) {
    if (high <= low) return low;
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<int>(Next() % span);
}

bool SeededRandom::Chance(double probability) { return Uniform(0.0, 1.0) < probability; }

double SeededRandom::Normal() {
    double sum = 0.0;
    for (int i = 0; i < 12; ++i) sum += Uniform(0.0, 1.0);
    return sum - 6.0;
}

}  // namespace server
