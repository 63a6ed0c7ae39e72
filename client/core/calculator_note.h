#pragma once
// The explanatory text under the calculator: the costs of the schedule in use (GBK).
#include <string>

#include "client/core/calculator_sheet.h"

// Classic: the old rules for Shanghai and Shenzhen on two lines. Current: today's rules
// with the broker's rate and minimum from the sheet.
std::string ScheduleNote(const CalculatorSheet& sheet);
