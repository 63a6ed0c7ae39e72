#pragma once
// A recorded typing session: what the code edit holds after each keystroke. It mixes
// codes typed digit by digit, pinyin initials in either case, corrections with
// backspace, and clearing the edit (which lists the whole directory).
#include <cstddef>
#include <string>
#include <vector>

std::vector<std::string> TypingScript(std::size_t keystrokes);
