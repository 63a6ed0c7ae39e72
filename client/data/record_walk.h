#pragma once
// Small helpers shared by the record walks. A lookup that fails leaves the position on
// the element read before; its value then reads as empty text rather than repeating that
// element's text under another caption.
#include <cstddef>
#include <string>

#include "client/core/client_util.h"
#include "common/xml/xml_file.h"

namespace record_walk {

// "/KRClientInfo/" + folder + "/" + code + ".xml": where the per-stock documents live.
// The code is what the user typed: it is percent-encoded (letters and digits unchanged),
// so no typed text can reach another path or add a query to the request.
inline std::string StockDocumentPath(const std::string& folder, const std::string& code) {
    return "/KRClientInfo/" + folder + "/" + CClientUtil().PathSegmentEncode(code) + ".xml";
}

inline std::string TextIf(bool found, const CXmlFile& doc) {
    return found ? doc.GetText() : std::string();
}

inline std::string AttrIf(bool found, const CXmlFile& doc, const std::string& name) {
    return found ? doc.GetAttr(name) : std::string();
}

inline void LeaveTimes(CXmlFile& doc, int times) {
    for (int i = 0; i < times; ++i) doc.Leave();
}

// Reads a list of sibling anchor elements: Descend to the first, then FindNext for each
// further one. `readRow(index)` reads the current element. At most `capacity` rows are
// read; further elements are ignored. Returns the number of rows read.
template <typename ReadRow>
std::size_t ReadAnchorList(CXmlFile& doc, const std::string& anchor, std::size_t capacity,
                           ReadRow&& readRow) {
    if (capacity == 0 || !doc.Descend(anchor)) return 0;
    std::size_t count = 0;
    readRow(count);
    for (;;) {
        ++count;
        if (count >= capacity || !doc.FindNext(anchor)) break;
        readRow(count);
    }
    return count;
}

}  // namespace record_walk
