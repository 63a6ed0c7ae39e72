#pragma once
// The address of a server document: "http://" + server base + path.
#include <string>

std::string RecordUrl(const std::string& path);
