#pragma once
// A forward-only reader over a document's text, for checking that elements come in the
// order the client's walks expect: each step looks for the next start tag of a name at
// or after the current position, never before it.
#include <string>

class XmlScan {
public:
    explicit XmlScan(std::string text) : text_(std::move(text)) {}

    // Moves to the next start tag `<name` (followed by a blank, '>' or '/'); false and no
    // move when there is none.
    bool Next(const std::string& name) {
        for (std::size_t at = text_.find("<" + name, pos_); at != std::string::npos;
             at = text_.find("<" + name, at + 1)) {
            const char after = at + 1 + name.size() < text_.size() ? text_[at + 1 + name.size()] : '\0';
            if (after == ' ' || after == '>' || after == '/') {
                pos_ = at + 1;
                return true;
            }
        }
        return false;
    }
    // True when the next start tag of `name` comes before the next one of `other`.
    bool Before(const std::string& name, const std::string& other) const {
        XmlScan a(*this), b(*this);
        const bool hasA = a.Next(name);
        const bool hasB = b.Next(other);
        return hasA && (!hasB || a.pos_ < b.pos_);
    }
    // Text of the element at the position (up to the next '<').
    std::string Text() const {
        const auto open = text_.find('>', pos_);
        if (open == std::string::npos) return "";
        return text_.substr(open + 1, text_.find('<', open) - open - 1);
    }
    // Attribute of the element at the position.
    std::string Attr(const std::string& name) const {
        const auto end = text_.find('>', pos_);
        const std::string tag = text_.substr(pos_, end - pos_);
        const auto at = tag.find(" " + name + "=\"");
        if (at == std::string::npos) return "";
        const auto start = at + name.size() + 3;
        return tag.substr(start, tag.find('"', start) - start);
    }
    std::size_t Position() const { return pos_; }

private:
    std::string text_;
    std::size_t pos_ = 0;
};
