#pragma once
// Reading the version, data-file and repair lists. Every list is walked the same way:
// Updater/Url (the download base in a server's list, the list's location in a local one),
// then Files/File with the attributes Name and Ver, and for the version lists
// Application/Version.
#include <string>
#include <vector>

class CXmlDoc;

namespace update {

struct ListedFile {
    std::string name;
    std::string version;
};

struct FileList {
    std::string base;     // text of Updater/Url ("" without one)
    bool hasBase = false;  // Updater/Url was there
    std::vector<ListedFile> files;  // in list order
};

// Walks Updater/Url and Files/File from the start of the document.
FileList ReadFileList(CXmlDoc& document);

// Application/Version from the start of the document; "" without it.
std::string ReadListVersion(CXmlDoc& document);

// The version of the list in `path` (as ReadListVersion); "" when it cannot be read.
std::string ReadLocalListVersion(const std::string& path);

// Where a list is fetched from: the text of the local list's Updater/Url followed by
// `listName` when that text is not empty, otherwise `defaultUrl`.
std::string ListLocation(const std::string& localListPath, const std::string& listName,
                         const std::string& defaultUrl);

// The text of a data-file list holding `files` (and Updater/Url when `base` is not
// empty), in the layout the walk above reads. Names and versions are escaped.
std::string FileListDocument(const std::string& base, const std::vector<ListedFile>& files);

}  // namespace update
