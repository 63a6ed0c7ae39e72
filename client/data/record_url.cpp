#include "client/data/record_url.h"

#include "client/data/record_server_base.h"

std::string RecordUrl(const std::string& path) {
    return "http://" + RecordServerBase() + path;
}
