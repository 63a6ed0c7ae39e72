#include "client/data/record_server_base.h"

namespace {
std::string& Base() {
    static std::string base;
    return base;
}
}  // namespace

std::string RecordServerBase() { return Base(); }
void SetRecordServerBase(std::string base) { Base() = std::move(base); }
