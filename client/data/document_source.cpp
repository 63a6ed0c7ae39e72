#include "client/data/document_source.h"

#include <utility>

#include "client/core/client_config.h"
#include "common/xml/xml_file.h"

ServerDocumentSource::ServerDocumentSource(std::string serverBase)
    : serverBase_(std::move(serverBase)) {}

void ServerDocumentSource::Load(const std::string& path, CXmlFile& doc) {
    // A document that is fetched but does not parse cleanly is still walked: whatever
    // could be indexed is readable, and every lookup on an empty document fails.
    doc.LoadUrl(HostUrl(serverBase_, path));
}
