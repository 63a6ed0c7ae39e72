#pragma once
// Whether a record holds what it was asked for, and if not, why: the server has no such
// record, or its document could not be fetched. A panel may tell the two apart; the
// messages the user sees do not depend on it.
#include <string>

#include "client/data/document_source.h"

enum class RecordStatus {
    Found,        // the record's anchor element was there (its fields may still be empty)
    NotFound,     // HTTP 404, or a document without the record's anchor
    FetchFailed,  // no document: no connection, a time-out, another HTTP error
};

inline RecordStatus RecordStatusOf(const LoadedDocument& document, bool anchorFound) {
    if (anchorFound) return RecordStatus::Found;
    return document.status == FetchStatus::Failed ? RecordStatus::FetchFailed
                                                  : RecordStatus::NotFound;
}

// Descends to a stock document's anchor element, "S" + code; the record's status from it.
inline RecordStatus DescendToStock(LoadedDocument& document, const std::string& code) {
    return RecordStatusOf(document, document.xml.Descend("S" + code));
}
