#pragma once
// Writing the server's XML documents: escaping and a small element builder.
// Texts are UTF-8; a finished document starts with a byte-order mark because the
// client's URL loader drops the first character of what it fetches.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace server {

std::string EscapeXml(std::string_view text, bool inAttribute);

// Builds indented XML, one element per line, CR LF line ends.
class XmlBuilder {
public:
    using Attributes = std::vector<std::pair<std::string, std::string>>;

    void Open(std::string_view name, const Attributes& attributes = {});
    void Close();
    void Leaf(std::string_view name, std::string_view text);  // <name>text</name>
    void Empty(std::string_view name, const Attributes& attributes);  // <name a="..."/>

    // The finished text: declaration, elements; with or without a byte-order mark.
    std::string Document(bool withByteOrderMark = true) const;

private:
    void Indent();
    static void AppendAttributes(std::string& out, const Attributes& attributes);

    std::string body_;
    std::vector<std::string> open_;
};

}  // namespace server
