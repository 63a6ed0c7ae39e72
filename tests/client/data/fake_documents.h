#pragma once
// A document source for record tests: serves UTF-8 texts (with a byte-order mark, as the
// server sends them) from temporary files through the converting URL loader, and keeps
// the paths asked for. A path nobody served loads nothing, like a 404.
#include <map>
#include <string>
#include <vector>

#include "client/data/document_source.h"

class FakeDocuments : public DocumentSource {
public:
    FakeDocuments();
    ~FakeDocuments() override;
    FakeDocuments(const FakeDocuments&) = delete;
    FakeDocuments& operator=(const FakeDocuments&) = delete;

    void Serve(const std::string& path, const std::string& utf8Body);
    void Load(const std::string& path, CXmlFile& doc) override;

    const std::vector<std::string>& Requests() const { return requests_; }

private:
    std::string directory_;
    std::map<std::string, std::string> files_;  // path -> temporary file
    std::vector<std::string> requests_;
};

// GBK text of a UTF-8 literal, the form every record field has.
std::string Gbk(const std::string& utf8);
