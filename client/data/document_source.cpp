#include "client/data/document_source.h"

#include "client/app/app_config.h"
#include "common/xml/xml_file.h"

namespace {

class ServerDocumentSource final : public DocumentSource {
public:
    void Load(const std::string& path, CXmlFile& doc) override {
        // A document that is fetched but does not parse cleanly is still walked: whatever
        // could be indexed is readable, and every lookup on an empty document fails.
        doc.LoadUrl(ServerUrl(path));
    }
};

}  // namespace

DocumentSource& ServerDocuments() {
    static ServerDocumentSource source;
    return source;
}
