#pragma once
// Columns of cells as the panels meet them, generated from a fixed seed.
#include <cstdint>
#include <string>
#include <vector>

namespace sort_bench {

enum class CellKind { Integers, Percentages, Dates, Names };

const char* NameOf(CellKind kind);

// `rows` GBK cells of one kind in random order.
std::vector<std::string> GenerateColumn(CellKind kind, std::size_t rows, std::uint32_t seed);

}  // namespace sort_bench
