#include "server/xml_text.h"

namespace server {

std::string EscapeXml(std::string_view text, bool inAttribute) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += inAttribute ? "&quot;" : "\""; break;
            default: out += c;
        }
    }
    return out;
}

void XmlBuilder::Indent() { body_.append(open_.size() * 2, ' '); }

void XmlBuilder::AppendAttributes(std::string& out, const Attributes& attributes) {
    for (const auto& [name, value] : attributes) {
        out += ' ';
        out += name;
        out += "=\"";
        out += EscapeXml(value, true);
        out += '"';
    }
}

void XmlBuilder::Open(std::string_view name, const Attributes& attributes) {
    Indent();
    body_ += '<';
    body_ += name;
    AppendAttributes(body_, attributes);
    body_ += ">\r\n";
    open_.emplace_back(name);
}

void XmlBuilder::Close() {
    if (open_.empty()) return;
    std::string name = std::move(open_.back());
    open_.pop_back();
    Indent();
    body_ += "</" + name + ">\r\n";
}

void XmlBuilder::Leaf(std::string_view name, std::string_view text) {
    Indent();
    body_ += '<';
    body_ += name;
    body_ += '>';
    body_ += EscapeXml(text, false);
    body_ += "</";
    body_ += name;
    body_ += ">\r\n";
}

void XmlBuilder::Empty(std::string_view name, const Attributes& attributes) {
    Indent();
    body_ += '<';
    body_ += name;
    AppendAttributes(body_, attributes);
    body_ += "/>\r\n";
}

std::string XmlBuilder::Document(bool withByteOrderMark) const {
    std::string out = withByteOrderMark ? "\xEF\xBB\xBF" : "";
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    out += body_;
    for (std::size_t i = open_.size(); i > 0; --i) {
        out.append((i - 1) * 2, ' ');
        out += "</" + open_[i - 1] + ">\r\n";
    }
    return out;
}

}  // namespace server
