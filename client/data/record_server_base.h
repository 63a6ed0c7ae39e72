#pragma once
// Stand-in for the configured server base until the process-wide values exist.
#include <string>

std::string RecordServerBase();
void SetRecordServerBase(std::string base);
