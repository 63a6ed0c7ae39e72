#include "common/xml/xml_tree_builder.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/xml/xml_scan.h"

namespace {

// The open elements. Deep stacks get a name lookup so that end tags matching nothing
// cannot make the parse quadratic.
class OpenStack {
public:
    struct Open {
        int elem;
        std::string_view name;
    };

    OpenStack(bool ignoreCase) : ignoreCase_(ignoreCase) {}

    bool Empty() const { return items_.empty(); }
    std::size_t Size() const { return items_.size(); }
    const Open& operator[](std::size_t i) const { return items_[i]; }
    const Open& Top() const { return items_.back(); }

    void Push(int elem, std::string_view name) {
        items_.push_back({elem, name});
        if (lookupBuilt_) lookup_[Key(name)].push_back(items_.size() - 1);
        else if (items_.size() > kLookupThreshold) BuildLookup();
    }
    void Pop() {
        if (lookupBuilt_) {
            auto it = lookup_.find(Key(items_.back().name));
            it->second.pop_back();
            if (it->second.empty()) lookup_.erase(it);
        }
        items_.pop_back();
        if (lookupBuilt_ && items_.size() < kLookupThreshold / 2) {
            lookup_.clear();
            lookupBuilt_ = false;
        }
    }
    bool Same(std::string_view a, std::string_view b) const {
        return xml::SameName(a, b, ignoreCase_);
    }
    // Position of the topmost open element called `name`, or -1.
    long FindTopmost(std::string_view name) const {
        if (lookupBuilt_) {
            auto it = lookup_.find(Key(name));
            return it == lookup_.end() ? -1 : long(it->second.back());
        }
        for (long i = long(items_.size()) - 1; i >= 0; --i)
            if (Same(items_[i].name, name)) return i;
        return -1;
    }

private:
    static constexpr std::size_t kLookupThreshold = 256;

    std::string Key(std::string_view name) const {
        std::string key(name);
        if (ignoreCase_)
            for (char& c : key)
                if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        return key;
    }
    void BuildLookup() {
        for (std::size_t i = 0; i < items_.size(); ++i) lookup_[Key(items_[i].name)].push_back(i);
        lookupBuilt_ = true;
    }

    bool ignoreCase_;
    std::vector<Open> items_;
    bool lookupBuilt_ = false;
    std::unordered_map<std::string, std::vector<std::size_t>> lookup_;
};

// Sets the depth of `root` from its parent and of everything below it.
void Redepth(CElemIndex& index, int root) {
    index[root].SetDepth(ChildDepth(index, index[root].parent));
    int node = index[root].firstChild;
    if (!node) return;
    for (;;) {
        index[node].SetDepth(index[index[node].parent].Depth() + 1);
        if (index[node].firstChild) {
            node = index[node].firstChild;
            continue;
        }
        while (node != root && index[node].nextSibling == 0) node = index[node].parent;
        if (node == root) return;
        node = index[node].nextSibling;
    }
}

class TreeBuilder {
public:
    TreeBuilder(std::string_view text, CElemIndex& index, bool ignoreCase)
        : text_(text), index_(index), stack_(ignoreCase) {}

    std::string Build() {
        index_.Reset(text_.size() / 64 + 8);
        int doc = index_.Add();
        index_[doc].length = static_cast<std::uint32_t>(text_.size());
        const char* data = text_.data();
        std::size_t pos = 0;
        while (pos < text_.size()) {
            const void* lt = std::memchr(data + pos, '<', text_.size() - pos);
            if (!lt) break;
            xml::Node node = xml::ScanMarkup(text_, static_cast<const char*>(lt) - data);
            pos = node.end;
            if (node.error.kind != xml::NodeError::kNone) {
                Malformed(node);
            } else if (node.kind == xml::kNodeElement) {
                StartTag(node);
            } else if (node.kind == xml::kNodeEndTag) {
                EndTag(node);
            }
        }
        while (!stack_.Empty()) {
            const auto& open = stack_.Top();
            Error("Element '" + std::string(open.name) + "' at offset " +
                  std::to_string(index_[open.elem].start) + " not ended");
            NotEnded(-1);
        }
        return error_;
    }

private:
    int Container() const { return stack_.Empty() ? 0 : stack_.Top().elem; }

    void Error(std::string message) {
        index_[0].flags |= kElemIllFormed;
        if (error_.empty()) error_ = std::move(message);
    }
    void MarkBadContent(int elem) {
        if (elem) index_[elem].flags |= kElemBadContent;
    }

    void Malformed(const xml::Node& node) {
        std::string at = " at offset " + std::to_string(node.start);
        if (node.error.kind == xml::NodeError::kUnterminated)
            Error(std::string(node.error.what) + at + " unterminated");
        else
            Error(std::string("Incorrect ") + node.error.what + at);
        MarkBadContent(Container());
    }

    void StartTag(const xml::Node& node) {
        int parent = Container();
        int elem = index_.Add();
        ElemRecord& rec = index_[elem];
        rec.start = static_cast<std::uint32_t>(node.start);
        rec.SetStartTagLength(node.end - node.start);
        LinkLastChild(index_, parent, elem);
        index_[elem].SetDepth(ChildDepth(index_, parent));
        if (node.emptyElement) {
            index_[elem].length = static_cast<std::uint32_t>(node.end - node.start);
        } else {
            stack_.Push(elem, node.Name(text_));
        }
    }

    void EndTag(const xml::Node& node) {
        std::string_view name = node.Name(text_);
        if (!stack_.Empty() && stack_.Same(stack_.Top().name, name)) {
            Close(stack_.Top().elem, node);
            stack_.Pop();
            return;
        }
        long match = stack_.FindTopmost(name);
        if (match < 0) {
            Error("No start tag for end tag '" + std::string(name) + "' at offset " +
                  std::to_string(node.start));
            MarkBadContent(Container());
            return;
        }
        const auto& top = stack_.Top();
        Error("End tag '" + std::string(name) + "' at offset " + std::to_string(node.start) +
              " does not match start tag '" + std::string(top.name) + "' at offset " +
              std::to_string(index_[top.elem].start));
        NotEnded(match);
        int elem = stack_.Top().elem;
        MarkBadContent(elem);
        Close(elem, node);
        stack_.Pop();
    }

    void Close(int elem, const xml::Node& endTag) {
        ElemRecord& rec = index_[elem];
        rec.length = static_cast<std::uint32_t>(endTag.end - rec.start);
        rec.SetEndTagLength(endTag.end - endTag.start);
    }

    // Every open element above stack position `keep` (-1: the document element) is not
    // ended: it shrinks to its start tag and its children follow it one level up, so all
    // of them end up as children of the kept element, in document order.
    void NotEnded(long keep) {
        int target = keep < 0 ? 0 : stack_[keep].elem;
        std::size_t first = static_cast<std::size_t>(keep + 1);
        std::vector<int> chain;
        for (std::size_t j = first; j < stack_.Size(); ++j) chain.push_back(stack_[j].elem);
        for (std::size_t j = 0; j < chain.size(); ++j) {
            int e = chain[j];
            int next = j + 1 < chain.size() ? chain[j + 1] : 0;
            ElemRecord& rec = index_[e];
            rec.length = rec.startTagLength;
            rec.endTagLength = 0;
            rec.flags |= kElemNotEnded;
            int child = rec.firstChild;
            index_[e].firstChild = 0;
            while (child) {
                int following = index_[child].nextSibling;
                LinkLastChild(index_, target, child);
                if (child == next)
                    index_[child].SetDepth(ChildDepth(index_, target));
                else
                    Redepth(index_, child);
                child = following;
            }
        }
        MarkBadContent(target);
        while (stack_.Size() > first) stack_.Pop();
    }

    std::string_view text_;
    CElemIndex& index_;
    OpenStack stack_;
    std::string error_;
};

}  // namespace

std::uint32_t ChildDepth(const CElemIndex& index, int parent) {
    return parent == 0 ? 0 : index[parent].Depth() + 1;
}

void LinkLastChild(CElemIndex& index, int parent, int child) {
    ElemRecord& rec = index[child];
    rec.parent = parent;
    rec.nextSibling = 0;
    int first = index[parent].firstChild;
    if (!first) {
        index[parent].firstChild = child;
        rec.prevSibling = child;
        rec.flags |= kElemFirstChild;
        return;
    }
    rec.flags &= ~kElemFirstChild;
    int last = index[first].prevSibling;
    index[last].nextSibling = child;
    rec.prevSibling = last;
    index[first].prevSibling = child;
}

void LinkAfter(CElemIndex& index, int sibling, int child) {
    int parent = index[sibling].parent;
    int next = index[sibling].nextSibling;
    if (!next) {
        LinkLastChild(index, parent, child);
        return;
    }
    ElemRecord& rec = index[child];
    rec.parent = parent;
    rec.flags &= ~kElemFirstChild;
    rec.prevSibling = sibling;
    rec.nextSibling = next;
    index[sibling].nextSibling = child;
    index[next].prevSibling = child;
}

std::string BuildElementIndex(std::string_view text, CElemIndex& index, bool ignoreCase) {
    return TreeBuilder(text, index, ignoreCase).Build();
}
