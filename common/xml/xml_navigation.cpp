// Navigation: the primitive moves of the position and the program's searches built on them.
#include "common/xml/xml_doc.h"

namespace {
bool AnyOr(const CXmlDoc& doc, int elem, std::string_view name) {
    return name.empty() || doc.NameMatches(elem, name);
}
}  // namespace

bool CXmlDoc::FindSibling(std::string_view name) {
    if (index_.Empty()) return false;
    int elem = currentPos_ ? index_[currentPos_].nextSibling : index_[parentPos_].firstChild;
    for (; elem; elem = index_[elem].nextSibling) {
        if (AnyOr(*this, elem, name)) {
            currentPos_ = elem;
            childPos_ = 0;
            nodeType_ = xml::kNodeElement;
            return true;
        }
    }
    return false;
}

bool CXmlDoc::FindChild(std::string_view name) {
    if (index_.Empty()) return false;
    if (!currentPos_) FindSibling({});
    if (!currentPos_) {
        // The level is empty: compare with the root element instead.
        int root = index_[0].firstChild;
        if (!root || !AnyOr(*this, root, name)) return false;
        parentPos_ = 0;
        childPos_ = root;
        nodeType_ = xml::kNodeNone;
        return true;
    }
    int elem = childPos_ ? index_[childPos_].nextSibling : index_[currentPos_].firstChild;
    for (; elem; elem = index_[elem].nextSibling) {
        if (AnyOr(*this, elem, name)) {
            childPos_ = elem;
            parentPos_ = index_[currentPos_].parent;
            return true;
        }
    }
    return false;
}

bool CXmlDoc::Enter() {
    if (!currentPos_) return false;
    parentPos_ = currentPos_;
    currentPos_ = childPos_;
    childPos_ = 0;
    nodeType_ = currentPos_ ? xml::kNodeElement : xml::kNodeNone;
    return true;
}

bool CXmlDoc::Leave() {
    if (!parentPos_) return false;
    childPos_ = currentPos_;
    currentPos_ = parentPos_;
    parentPos_ = index_[currentPos_].parent;
    nodeType_ = xml::kNodeElement;
    return true;
}

bool CXmlDoc::Descend(std::string_view name) {
    // Searches the children of the current element, then of its first child, and so on
    // down the chain of first children. At the end of the chain the root's own name
    // counts: the next Descend then starts again with the root's children.
    for (;;) {
        if (FindChild(name)) {
            Enter();
            return true;
        }
        if (!Enter()) return false;
    }
}

bool CXmlDoc::Locate(std::string_view elemName, std::string_view attrName,
                     std::string_view value) {
    if (!Descend(elemName)) return false;
    for (;;) {
        if (GetAttr(attrName) == value) return true;
        if (!FindNext(elemName)) return false;
    }
}

bool CXmlDoc::LeaveAll() {
    while (Leave()) {
    }
    return true;
}
