#pragma once
// Where the evaluation records get their server documents. A record names a document by
// its path after the server base ("/KRClientInfo/ZHZD/600000.xml"); the source loads it
// into an XML file. The server source fetches "http://" + server base + path with the
// converting URL loader; tests hand in their own source.
#include <string>

class CXmlFile;

class DocumentSource {
public:
    virtual ~DocumentSource() = default;
    // Loads the document at `path` into `doc`. A document that cannot be fetched leaves
    // `doc` empty, so that every later lookup fails.
    virtual void Load(const std::string& path, CXmlFile& doc) = 0;
};

// The evaluation server: "http://" + server base + path. Holds its own copy of the base,
// so a worker thread may use it while the window that made it goes on.
class ServerDocumentSource final : public DocumentSource {
public:
    explicit ServerDocumentSource(std::string serverBase);
    void Load(const std::string& path, CXmlFile& doc) override;

private:
    std::string serverBase_;
};
