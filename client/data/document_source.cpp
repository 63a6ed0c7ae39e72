#include "client/data/document_source.h"

#include <utility>

#include "client/core/client_config.h"
#include "common/platform/log.h"

LoadedDocument DocumentSource::Fetch(const std::string& path) {
    LoadedDocument document;
    document.path = path;
    document.status = Load(path, document.xml);
    return document;
}

ServerDocumentSource::ServerDocumentSource(std::string serverBase)
    : serverBase_(std::move(serverBase)) {}

FetchStatus ServerDocumentSource::Load(const std::string& path, CXmlFile& doc) {
    const std::string url = HostUrl(serverBase_, path);
    const platform::FetchResult fetched = doc.FetchUrl(url);
    if (!fetched.Ok()) {
        platform::LogFetchFailure(url, fetched);
        return fetched.NotFound() ? FetchStatus::NotFound : FetchStatus::Failed;
    }
    // A document that is fetched but does not parse cleanly is still walked: whatever
    // could be indexed is readable, and every lookup on an empty document fails.
    if (!doc.Doc().IsWellFormed()) {
        platform::Log(platform::LogLevel::Warning, "quorvel.data",
                      url + ": unreadable document (" + doc.Doc().Result() + ")");
    }
    return FetchStatus::Loaded;
}
