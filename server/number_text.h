#pragma once
// Numbers as the documents write them.
#include <string>

namespace server {

std::string Fixed(double value, int decimals);         // "12.34", "-0.50"
std::string SignedFixed(double value, int decimals);   // "+1.23", "-0.85", "0.00"
std::string Percent(double value, int decimals = 2);   // "12.34%"
std::string SignedPercent(double value, int decimals = 2);  // "+1.23%", "-0.85%"
std::string Whole(double value);                       // "123456700", "-98000"

}  // namespace server
