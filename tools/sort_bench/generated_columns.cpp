#include "tools/sort_bench/generated_columns.h"

#include <cstdio>
#include <random>

namespace sort_bench {
namespace {

// GBK syllables of stock names (平 安 银 行 万 科 中 国 石 油 招 商 电 子 华 夏).
const char* const kNameParts[] = {"\xC6\xBD", "\xB0\xB2", "\xD2\xF8", "\xD0\xD0", "\xCD\xF2", "\xBF\xC6",
                                  "\xD6\xD0", "\xB9\xFA", "\xCA\xAF", "\xD3\xCD", "\xD5\xD0", "\xC9\xCC",
                                  "\xB5\xE7", "\xD7\xD3", "\xBB\xAA", "\xCF\xC4"};

std::string Cell(CellKind kind, std::mt19937& random) {
    char text[64];
    switch (kind) {
    case CellKind::Integers:
        std::snprintf(text, sizeof text, "%d", static_cast<int>(random() % 2000001) - 1000000);
        return text;
    case CellKind::Percentages:
        std::snprintf(text, sizeof text, "%.2f%%", static_cast<double>(static_cast<int>(random() % 4001) - 2000) / 100);
        return text;
    case CellKind::Dates:
        std::snprintf(text, sizeof text, "20%02u-%02u-%02u %02u:%02u", static_cast<unsigned>(10 + random() % 17),
                      static_cast<unsigned>(1 + random() % 12), static_cast<unsigned>(1 + random() % 28),
                      static_cast<unsigned>(random() % 24), static_cast<unsigned>(random() % 60));
        return text;
    case CellKind::Names: {
        std::string name;
        for (int i = 0; i < 4; ++i) name += kNameParts[random() % std::size(kNameParts)];
        return name;
    }
    }
    return {};
}

}  // namespace

const char* NameOf(CellKind kind) {
    switch (kind) {
    case CellKind::Integers: return "integers";
    case CellKind::Percentages: return "percentages";
    case CellKind::Dates: return "dates";
    case CellKind::Names: return "names";
    }
    return "?";
}

std::vector<std::string> GenerateColumn(CellKind kind, std::size_t rows, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::string> column;
    column.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) column.push_back(Cell(kind, random));
    return column;
}

}  // namespace sort_bench
