#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>

#include "common/platform/paths.h"

namespace fuzz {

void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

namespace {

void CheckChildren(const CXmlDoc& doc, int parent, int& seen) {
    const CElemIndex& index = doc.Index();
    const ElemRecord& p = index[parent];
    int child = p.firstChild;
    int previous = 0;
    int last = 0;
    for (; child; child = index[child].nextSibling) {
        Require(index.Valid(child), "child index in range");
        Require(++seen < index.Count(), "each record reached once");
        const ElemRecord& c = index[child];
        Require(c.parent == parent, "child's parent link");
        Require(previous == 0 || index[previous].End() <= c.start, "siblings in order");
        if (parent != 0) {
            Require(c.start >= p.ContentStart() && c.End() <= p.ContentEnd(),
                    "child inside its parent's content");
            Require(c.Depth() == p.Depth() + 1 || p.Depth() == kElemDepthMask, "depth");
        }
        Require(bool(c.flags & kElemFirstChild) == (previous == 0), "first-child flag");
        if (previous) Require(c.prevSibling == previous, "previous-sibling link");
        CheckChildren(doc, child, seen);
        previous = child;
        last = child;
    }
    if (p.firstChild) Require(index[p.firstChild].prevSibling == last, "sibling ring");
}

}  // namespace

void CheckIndex(const CXmlDoc& doc) {
    const CElemIndex& index = doc.Index();
    if (index.Empty()) return;
    const std::size_t size = doc.Text().size();
    for (int i = 1; i < index.Count(); ++i) {
        const ElemRecord& e = index[i];
        Require(e.End() <= size && e.start <= e.End(), "record inside the text");
        Require(std::size_t(e.startTagLength) + e.endTagLength <= e.length,
                "tags inside the element");
        Require(e.startTagLength >= 2 && doc.Text()[e.start] == '<', "start tag begins with <");
        Require(doc.Text()[e.start + e.startTagLength - 1] == '>' || (e.flags & kElemNotEnded),
                "start tag ends with >");
    }
    int seen = 0;
    CheckChildren(doc, 0, seen);
    Require(seen == index.Count() - 1, "every record is in the tree");
}

std::vector<std::string> Structure(const CXmlDoc& doc) {
    std::vector<std::string> out;
    const CElemIndex& index = doc.Index();
    if (index.Empty()) return out;
    // Iterative pre-order walk; depth from the walk, not from the records.
    std::vector<int> stack;
    int elem = index[0].firstChild;
    while (elem || !stack.empty()) {
        if (!elem) {
            elem = index[stack.back()].nextSibling;
            stack.pop_back();
            continue;
        }
        out.push_back(std::to_string(stack.size()) + ":" + std::string(doc.TagName(elem)));
        stack.push_back(elem);
        elem = index[elem].firstChild;
    }
    return out;
}

std::vector<std::string> AttributeNames(const CXmlDoc& doc, int elem) {
    std::vector<std::string> names;
    const ElemRecord& e = doc.Elem(elem);
    std::string_view tag = std::string_view(doc.Text()).substr(e.start, e.startTagLength);
    std::size_t i = 1 + doc.TagName(elem).size();
    while (i < tag.size()) {
        char c = tag[i];
        if (c == '"' || c == '\'') {
            std::size_t close = tag.find(c, i + 1);
            if (close == std::string_view::npos) break;
            i = close + 1;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>' ||
                   c == '=') {
            ++i;
        } else {
            std::size_t end = tag.find_first_of(" \t\r\n=/>\"'", i);
            if (end == std::string_view::npos) end = tag.size();
            names.emplace_back(tag.substr(i, end - i));
            i = end;
        }
    }
    return names;
}

void ReadEveryElement(const CXmlDoc& doc) {
    const CElemIndex& index = doc.Index();
    for (int i = 1; i < index.Count(); ++i) {
        std::string_view name = doc.TagName(i);
        Require(name.size() <= doc.Elem(i).startTagLength, "name inside the start tag");
        for (const std::string& attr : AttributeNames(doc, i)) doc.GetAttrOf(i, attr);
        doc.GetAttrOf(i, "");
        doc.GetAttrOf(i, "no-such-attribute");
        doc.GetTextOf(i);
    }
    doc.GetAttrOf(0, "a");
    doc.GetTextOf(0);
}

void NavigateEverything(CXmlDoc& doc) {
    const int count = doc.Index().Count();
    long budget = 4L * count + 16;  // each move is paid for; a loop runs the budget out
    auto step = [&] { Require(--budget > 0, "navigation ends"); };

    // Depth-first through the whole tree: child, else next sibling, else climb.
    int visited = 0;
    doc.ResetPos();
    bool more = doc.FindSibling("");
    while (more) {
        step();
        ++visited;
        Require(doc.NodeType() == xml::kNodeElement && doc.CurrentPos() != 0,
                "an element is current");
        doc.GetAttr("id");
        doc.GetText();
        if (doc.FindChild("")) {
            doc.Enter();
            continue;
        }
        more = false;
        do {
            step();
            more = doc.FindSibling("");
        } while (!more && doc.Leave());
    }
    Require(visited == std::max(count - 1, 0), "navigation reaches every element");

    // Searches for the names that occur, from a fresh position each time.
    std::set<std::string> names;
    for (int i = 1; i < count && names.size() < 8; ++i) names.emplace(doc.TagName(i));
    names.insert("");
    names.insert("nowhere");
    for (const std::string& name : names) {
        budget = 4L * count + 16;
        doc.ResetPos();
        int found = 0;
        while (doc.Descend(name) && found < 4) {
            step();
            ++found;
            doc.GetText();
            while (doc.FindNext(name)) step();
        }
        doc.LeaveAll();
        doc.GetText();
        for (int i = 1; i < count && i < 4; ++i)
            for (const std::string& attr : AttributeNames(doc, i)) {
                doc.ResetPos();
                if (doc.Locate(name, attr, doc.GetAttrOf(i, attr))) doc.GetAttr(attr);
                doc.LeaveAll();
            }
    }
}

ScratchFile::ScratchFile() {
    path_ = platform::TempDirectory() + "/quorvel-fuzz-" + std::to_string(getpid()) + ".xml";
}

ScratchFile::~ScratchFile() {
    std::remove(path_.c_str());
}

void ScratchFile::Write(std::string_view bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(bool(out), "scratch file written");
}

}  // namespace fuzz
