#pragma once
// Where the evaluation records get their server documents. A record names a document by
// its path after the server base ("/KRClientInfo/ZHZD/600000.xml"); the source loads it
// into an XML file and says how the fetch went. The server source fetches "http://" +
// server base + path with the converting URL loader; tests hand in their own source.
//
// Fetching is the source's job and may block; records only read what was loaded. A
// source may be asked from any thread, also from several at once.
#include <string>

#include "common/xml/xml_file.h"

enum class FetchStatus {
    Loaded,    // a document came back (well-formed or not: the walk reads what it can)
    NotFound,  // the server has no such document (HTTP 404)
    Failed,    // it could not be fetched: no connection, a time-out, another HTTP error
};

// A fetched document as a record reads it: the path asked for, how the fetch went and
// the XML (empty unless Loaded).
struct LoadedDocument {
    std::string path;
    FetchStatus status = FetchStatus::Failed;
    CXmlFile xml;
};

class DocumentSource {
public:
    virtual ~DocumentSource() = default;
    // Loads the document at `path` into `doc`. Anything but Loaded leaves `doc` empty, so
    // that every later lookup fails.
    virtual FetchStatus Load(const std::string& path, CXmlFile& doc) = 0;

    // Load into a fresh document.
    LoadedDocument Fetch(const std::string& path);
};

// Fetches `path` from `source` and reads it into a Record constructed with `inputs`
// followed by the loaded document: the fetch-then-read step of every record.
template <typename Record, typename... Inputs>
Record FetchRecord(DocumentSource& source, const std::string& path, const Inputs&... inputs) {
    LoadedDocument document = source.Fetch(path);
    return Record(inputs..., document);
}

// The evaluation server: "http://" + server base + path. Holds its own copy of the base,
// so a worker thread may use it while the window that made it goes on. Every failure is
// logged: the address and why under "quorvel.net", a document that does not parse under
// "quorvel.data".
class ServerDocumentSource final : public DocumentSource {
public:
    explicit ServerDocumentSource(std::string serverBase);
    FetchStatus Load(const std::string& path, CXmlFile& doc) override;

private:
    std::string serverBase_;
};
