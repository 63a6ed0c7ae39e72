#pragma once
// Which stocks a typed text finds: those whose code, pinyin initials or name begins with
// it. Only ASCII letters are compared without case; double-byte GBK characters must match
// byte for byte.
#include <cstddef>
#include <string>
#include <vector>

#include "client/core/stock_directory.h"

enum class SearchField { Codes, Initials, Names };

// Digits only: the codes. Any ASCII letter: the pinyin initials. Anything else (the
// empty text, Chinese text, "600 "): the names.
SearchField ChooseSearchField(const std::string& typed);

// Indices of the matching stocks, in directory order. The empty text matches every stock.
std::vector<std::size_t> MatchStocks(const CStockDirectory& directory, const std::string& typed);
