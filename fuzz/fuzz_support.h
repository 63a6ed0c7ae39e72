#pragma once
// Checks shared by the XML fuzz targets. Each one aborts (so libFuzzer reports a crash)
// when the document breaks an invariant that every caller relies on.
#include <string>
#include <string_view>
#include <vector>

#include "common/xml/xml_doc.h"

namespace fuzz {

// Aborts with a message on stderr.
[[noreturn]] void Fail(const char* what);
inline void Require(bool condition, const char* what) {
    if (!condition) Fail(what);
}

// Every record lies inside the text, its tags inside its length, its children inside
// its content; parent, sibling and first-child links agree and reach every record once.
void CheckIndex(const CXmlDoc& doc);

// Element names in document order, each prefixed by its nesting depth.
std::vector<std::string> Structure(const CXmlDoc& doc);

// Names of the attributes written in the start tag of `elem`.
std::vector<std::string> AttributeNames(const CXmlDoc& doc, int elem);

// Reads the name, every attribute and the text of every element.
void ReadEveryElement(const CXmlDoc& doc);

// Visits every element through the position (find sibling, find child, enter, leave),
// reading each one, then searches with Descend, FindNext and Locate for the first names.
void NavigateEverything(CXmlDoc& doc);

// A file of this process's own in the temporary folder, removed on destruction.
class ScratchFile {
public:
    ScratchFile();
    ~ScratchFile();
    const std::string& Path() const { return path_; }
    void Write(std::string_view bytes) const;

private:
    std::string path_;
};

}  // namespace fuzz
