#pragma once
// The tokenizer: recognises one node of the document text at a time. Shared by tree
// building, text reading, the declared-encoding scan and editing.
#include <cstddef>
#include <string_view>

namespace xml {

// Node kinds (also the document's node-type values).
inline constexpr int kNodeNone = 0;
inline constexpr int kNodeElement = 1;
inline constexpr int kNodeText = 2;
inline constexpr int kNodeWhitespace = 4;
inline constexpr int kNodeCData = 8;
inline constexpr int kNodeProcessingInstruction = 16;
inline constexpr int kNodeComment = 32;
inline constexpr int kNodeDoctype = 64;
inline constexpr int kNodeEndTag = 128;

// Why a node is malformed. `what` is the node kind named in the error text.
struct NodeError {
    enum Kind { kNone, kUnterminated, kIncorrect } kind = kNone;
    const char* what = "";
};

struct Node {
    int kind = kNodeNone;
    std::size_t start = 0;
    std::size_t end = 0;         // one past the last byte
    std::size_t nameStart = 0;   // start and end tags: the tag name
    std::size_t nameEnd = 0;
    bool emptyElement = false;   // a start tag closed by "/>"
    NodeError error;

    std::string_view Name(std::string_view text) const {
        return text.substr(nameStart, nameEnd - nameStart);
    }
};

// Length of the local (GBK) character at `pos`: 2 for a lead byte followed by a valid
// trail byte, else 1. Markup characters are never trail bytes, so a stray lead byte
// (text in another encoding) cannot swallow a '<' or a quote.
inline std::size_t CharLength(std::string_view text, std::size_t pos) {
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x81 || lead > 0xFE || pos + 1 >= text.size()) return 1;
    unsigned char trail = static_cast<unsigned char>(text[pos + 1]);
    return (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) ? 2 : 1;
}

// Byte-for-byte name equality, or ASCII case-insensitive when `ignoreCase`.
bool SameName(std::string_view a, std::string_view b, bool ignoreCase);

inline bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// True for a byte that may begin a tag name: a letter, '_', ':' or any byte from '{' up.
bool IsNameStartChar(unsigned char c);

// End of the tag name that starts at `pos` (multibyte characters stepped over whole).
std::size_t ScanNameEnd(std::string_view text, std::size_t pos);

// True when `name` is a whole tag or attribute name as the tokenizer would read it.
bool IsValidName(std::string_view name);

// The markup node beginning with the '<' at `pos`. A malformed node carries an error;
// an incorrect construct covers only its '<' so that the rest reads as text.
Node ScanMarkup(std::string_view text, std::size_t pos);

// The node at `pos` (< text.size()): markup, or text up to the next '<' (a whitespace node
// when it holds only blanks, tabs, CR and LF).
Node NextNode(std::string_view text, std::size_t pos);

// Finds attribute `name` (compared byte for byte unless `ignoreCase`) in a start tag or processing
// instruction: `nameEnd` is where the tag name ends, `tagEnd` one past the tag.
struct AttributeSpan {
    bool found = false;
    bool hasValue = false;
    std::size_t nameStart = 0, nameEnd = 0;
    std::size_t valueStart = 0, valueEnd = 0;  // with the quotes, if any
    std::string_view RawValue(std::string_view text) const;
};
AttributeSpan FindAttribute(std::string_view text, std::size_t nameEnd, std::size_t tagEnd,
                            std::string_view name, bool ignoreCase = false);

}  // namespace xml
