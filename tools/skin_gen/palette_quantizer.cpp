#include "tools/skin_gen/palette_quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace skin_gen {
namespace {

struct Entry {
    std::uint32_t colour;
    std::uint64_t count;
};

int Channel(std::uint32_t colour, int channel) { return static_cast<int>((colour >> (16 - 8 * channel)) & 0xFF); }

struct Box {
    std::vector<Entry> entries;
    std::uint64_t total = 0;
    int longest = 0;  // channel with the widest range
    int range = 0;

    void Measure() {
        total = 0;
        std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
        for (const Entry& e : entries) {
            total += e.count;
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], Channel(e.colour, c));
                high[c] = std::max(high[c], Channel(e.colour, c));
            }
        }
        range = -1;
        for (int c = 0; c < 3; ++c) {
            if (high[c] - low[c] > range) {
                range = high[c] - low[c];
                longest = c;
            }
        }
    }

    std::uint32_t Average() const {
        std::array<std::uint64_t, 3> sum{0, 0, 0};
        for (const Entry& e : entries) {
            for (int c = 0; c < 3; ++c) sum[c] += static_cast<std::uint64_t>(Channel(e.colour, c)) * e.count;
        }
        std::uint32_t colour = 0;
        for (int c = 0; c < 3; ++c) {
            colour |= static_cast<std::uint32_t>((sum[c] + total / 2) / std::max<std::uint64_t>(1, total)) << (16 - 8 * c);
        }
        return colour;
    }
};

int Distance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int c = 0; c < 3; ++c) {
        const int delta = Channel(a, c) - Channel(b, c);
        d += delta * delta;
    }
    return d;
}

// Median cut: split the box with the widest colour range (weighted by its pixels) at
// the pixel median of that range until the budget is spent.
std::vector<std::uint32_t> MedianCut(std::vector<Entry> entries, int budget) {
    std::vector<Box> boxes(1);
    boxes[0].entries = std::move(entries);
    boxes[0].Measure();
    while (static_cast<int>(boxes.size()) < budget) {
        int best = -1;
        double bestScore = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].entries.size() < 2 || boxes[i].range <= 0) continue;
            const double score = static_cast<double>(boxes[i].range) * std::sqrt(static_cast<double>(boxes[i].total));
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best < 0) break;
        Box& box = boxes[best];
        const int channel = box.longest;
        std::sort(box.entries.begin(), box.entries.end(), [channel](const Entry& a, const Entry& b) {
            return Channel(a.colour, channel) < Channel(b.colour, channel);
        });
        std::uint64_t running = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.entries.size(); ++i) {
            running += box.entries[i].count;
            cut = i + 1;
            if (running * 2 >= box.total) break;
        }
        Box upper;
        upper.entries.assign(box.entries.begin() + static_cast<std::ptrdiff_t>(cut), box.entries.end());
        box.entries.resize(cut);
        box.Measure();
        upper.Measure();
        boxes.push_back(std::move(upper));
    }
    std::vector<std::uint32_t> palette;
    for (const Box& box : boxes) palette.push_back(box.Average());
    return palette;
}

}  // namespace

IndexedPicture Quantize(const std::vector<std::uint32_t>& pixels, const std::vector<std::uint32_t>& reserved,
                        int maxColours) {
    IndexedPicture out;
    std::vector<std::uint32_t> keys;
    for (std::uint32_t colour : reserved) {
        colour &= 0xFFFFFF;
        if (std::find(keys.begin(), keys.end(), colour) == keys.end()) keys.push_back(colour);
    }
    std::unordered_map<std::uint32_t, std::uint64_t> histogram;
    for (std::uint32_t pixel : pixels) {
        pixel &= 0xFFFFFF;
        if (std::find(keys.begin(), keys.end(), pixel) != keys.end()) {
            continue;
        }
        ++histogram[pixel];
    }
    const int budget = std::max(1, std::min(256, maxColours) - static_cast<int>(keys.size()));
    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (const auto& [colour, count] : histogram) entries.push_back({colour, count});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.colour < b.colour; });

    std::vector<std::uint32_t> art;
    if (static_cast<int>(entries.size()) <= budget) {
        for (const Entry& e : entries) art.push_back(e.colour);
    } else {
        art = MedianCut(entries, budget);
    }
    // An art entry that rounded onto a key colour is nudged off it.
    for (std::uint32_t& colour : art) {
        while (std::find(keys.begin(), keys.end(), colour) != keys.end()) colour ^= 0x000001;
    }

    out.palette = art;
    out.palette.insert(out.palette.end(), keys.begin(), keys.end());
    std::unordered_map<std::uint32_t, std::uint8_t> lookup;
    for (std::size_t k = 0; k < keys.size(); ++k) lookup[keys[k]] = static_cast<std::uint8_t>(art.size() + k);
    for (const Entry& e : entries) {
        int best = 0;
        int bestDistance = Distance(e.colour, art.empty() ? 0 : art[0]);
        for (int i = 1; i < static_cast<int>(art.size()); ++i) {
            const int d = Distance(e.colour, art[i]);
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        lookup[e.colour] = static_cast<std::uint8_t>(best);
    }
    out.indices.reserve(pixels.size());
    for (std::uint32_t pixel : pixels) out.indices.push_back(lookup.at(pixel & 0xFFFFFF));
    if (out.palette.empty()) out.palette.push_back(0);
    return out;
}

}  // namespace skin_gen
