#pragma once
// GBK text from a literal written in this UTF-8 source file.
#include <string>

#include "common/platform/code_page.h"

inline std::string Gbk(const char* utf8) { return platform::Utf8ToLocalText(utf8); }
