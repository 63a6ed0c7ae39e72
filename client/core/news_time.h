#pragma once
// The time of the news item last shown, kept as the text of NewsTime in config.xml so that
// an item is announced once, across restarts.
#include <string>

// "" when config.xml or its NewsTime is missing (then any item counts as new).
std::string ReadNewsTime(const std::string& programDirectory);
// Writes `time` as the text of NewsTime (adding the element to the root when it is
// missing) and saves config.xml in one step; false when the file cannot be read or written.
bool SaveNewsTime(const std::string& programDirectory, const std::string& time);
