#pragma once
// ClcltdDataInfo.xml in the program directory: the calculator's rows between runs.
//
//   <AllPAL data="TOTAL" FeeSchedule="current" CommissionRate="0.025" MinCommission="5">
//     <StockInfo id="" BuyPrice="" BuyNum="" BrkEvnPrc="" SellPrice="" SellNum=""
//                PrftAndLss="" BuyTime="" SellTime=""/>   (six of them, in row order)
//   </AllPAL>
//
// A file without FeeSchedule is on the classic schedule.
#include <string_view>

#include "client/core/calculator_sheet.h"

inline constexpr std::string_view kCalculatorFileName = "ClcltdDataInfo.xml";

// Reads the rows, total and schedule. Rows without an element, and absent attributes,
// stay empty. A missing file is created with six empty rows on the current schedule
// (which the result then holds); a file that cannot be read gives an empty sheet.
CalculatorSheet LoadCalculatorSheet();

// Writes the sheet into the file, row by row. A row whose code, buy price, buy quantity
// and break-even are all filled sets those four; then the sell price, sell quantity and
// profit when all three are filled; then the two times. A row with every field empty
// clears all nine. Any other row writes nothing, so the file keeps its earlier values.
// The total and the schedule with its terms are always written. The file is replaced
// in one step; false, with the old file intact, when it cannot be written or is not a
// calculator file at all.
bool SaveCalculatorSheet(const CalculatorSheet& sheet);
