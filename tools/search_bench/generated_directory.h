#pragma once
// A deterministic stock directory of any size, shaped like the real one: six-digit codes
// of the Shanghai and Shenzhen boards, two to four pinyin initials, two to four Chinese
// characters per name.
#include <cstddef>

#include "client/core/stock_directory.h"

CStockDirectory GenerateDirectory(std::size_t stocks);
