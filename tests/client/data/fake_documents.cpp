#include "fake_documents.h"

#include <fstream>

#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/xml/xml_file.h"

FakeDocuments::FakeDocuments() : directory_(platform::MakeTempDirectory("records-test")) {}

FakeDocuments::~FakeDocuments() { platform::RemoveDirectoryTree(directory_); }

void FakeDocuments::Serve(const std::string& path, const std::string& utf8Body) {
    const std::string file = directory_ + "/doc" + std::to_string(files_.size()) + ".xml";
    std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF" << utf8Body;
    files_[path] = file;
}

void FakeDocuments::Load(const std::string& path, CXmlFile& doc) {
    requests_.push_back(path);
    auto it = files_.find(path);
    if (it != files_.end()) doc.LoadUrl("file://" + it->second);
}

std::string Gbk(const std::string& utf8) { return platform::Utf8ToLocalText(utf8); }
