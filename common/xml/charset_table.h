#pragma once
// Character-set names, as XML declarations and HTML meta tags write them (the usual
// Windows names and aliases), mapped to Windows code page numbers.
#include <string_view>

// Code page of a character-set name given in any case; 0 when the name is unknown.
int LookupCharsetCodePage(std::string_view name);
