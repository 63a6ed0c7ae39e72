// Saving: the text goes back in the encoding the file was read in, behind its mark, and
// replaces the file only once it has been written completely.
#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/xml/xml_doc.h"
#include "common/xml/xml_encoding.h"

bool CXmlDoc::SaveFile(const std::string& path, platform::FileAccess access) const {
    if (path.empty()) return false;
    std::string bytes = fileEncoding_.mark;
    if (fileEncoding_.form == XmlFileEncoding::kAsHeld) {
        bytes += text_;
    } else {
        unsigned codePage = fileEncoding_.form == XmlFileEncoding::kCodePage
                                ? fileEncoding_.codePage
                                : platform::kCodePageUtf32;
        std::string encoded;
        if (!xml::FromLocal(codePage, fileEncoding_.form == XmlFileEncoding::kUtf32BE, text_,
                            encoded))
            return false;
        bytes += encoded;
    }
    return platform::ReplaceFileAtomically(path, bytes, access);
}
