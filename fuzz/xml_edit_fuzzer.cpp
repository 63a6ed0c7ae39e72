// A file, then a sequence of navigation and edits, then save and reload. The index the
// edits maintain must stay sound and match a fresh parse of the edited text, and a save
// followed by a load must give back the same text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/platform/code_page.h"
#include "common/xml/xml_doc.h"
#include "fuzz/fuzz_support.h"

namespace {

// Element and attribute names the program could write: a letter or '_', then letters,
// digits, '_', '-', '.'.
std::string Name(FuzzedDataProvider& in, const CXmlDoc& doc) {
    if (in.ConsumeBool() && doc.Index().Count() > 1) {
        int elem = in.ConsumeIntegralInRange(1, doc.Index().Count() - 1);
        return std::string(doc.TagName(elem));
    }
    static constexpr char kFirst[] = "abcXYZ_";
    static constexpr char kRest[] = "abcXYZ_019-.";
    std::string raw = in.ConsumeRandomLengthString(12);
    std::string name(1, kFirst[raw.empty() ? 0 : static_cast<unsigned char>(raw[0]) % 7]);
    for (std::size_t i = 1; i < raw.size(); ++i)
        name += kRest[static_cast<unsigned char>(raw[i]) % (sizeof(kRest) - 1)];
    return name;
}

// A value as callers give it: GBK text (ASCII, markup characters included, and whole
// two-byte characters), never a cut-short character.
std::string Value(FuzzedDataProvider& in) {
    std::string raw = in.ConsumeRandomLengthString(40);
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        auto byte = static_cast<unsigned char>(raw[i]);
        if (byte < 0x80) {
            value += byte ? char(byte) : ' ';
        } else {
            value += char(0xB0 + byte % 0x40);        // GB2312 hanzi rows
            value += char(0xA1 + (byte * 7) % 0x5E);  // a valid trail byte
        }
    }
    return value;
}

// Markup-escaped text for a generated document.
std::string Escaped(const std::string& value, bool attribute) {
    std::string out;
    for (char c : value) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (attribute && c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

void GenerateElement(FuzzedDataProvider& in, const CXmlDoc& none, std::string& out, int depth) {
    const std::string name = Name(in, none);
    out += "<" + name;
    int attributes = in.ConsumeIntegralInRange(0, 2);
    for (int i = 0; i < attributes; ++i)
        out += " " + Name(in, none) + std::to_string(i) + "=\"" + Escaped(Value(in), true) + "\"";
    if (in.ConsumeBool()) {
        out += "/>";
        return;
    }
    out += ">";
    int children = in.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < children; ++i) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
            case 0:
                out += Escaped(Value(in), false);
                break;
            case 1:
                out += "\r\n  ";
                break;
            case 2:
                out += "<!-- " + std::to_string(i) + " -->";
                break;
            case 3:
                out += "<![CDATA[a<b]]>";
                break;
            case 4:
                if (depth < 5) GenerateElement(in, none, out, depth + 1);
                break;
        }
    }
    out += "</" + name + ">";
}

// A well-formed document, stored in one of the encodings the loader reads: GBK declared
// as GB2312, UTF-8 with a mark, UTF-16LE or UTF-16BE with a mark, or undeclared.
std::string GenerateFile(FuzzedDataProvider& in) {
    CXmlDoc none;
    std::string gbk;
    GenerateElement(in, none, gbk, 0);
    gbk += "\r\n";
    std::string bytes;
    switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n" + gbk;
        case 1:
            platform::ConvertCodePage(platform::kCodePageLocal, platform::kCodePageUtf8, gbk,
                                      bytes);
            return "\xEF\xBB\xBF" + bytes;
        case 2:
            platform::ConvertCodePage(platform::kCodePageLocal, platform::kCodePageUtf16LE, gbk,
                                      bytes);
            return "\xFF\xFE" + bytes;
        case 3:
            platform::ConvertCodePage(platform::kCodePageLocal, platform::kCodePageUtf16BE, gbk,
                                      bytes);
            return "\xFE\xFF" + bytes;
        default:
            return gbk;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    static const fuzz::ScratchFile file;

    // Half the inputs are arbitrary bytes, half a generated well-formed document.
    file.Write(in.ConsumeBool() ? GenerateFile(in) : in.ConsumeRandomLengthString(4096));
    CXmlDoc doc;
    doc.LoadFile(file.Path());
    const bool wellFormed = doc.IsWellFormed();

    doc.FindSibling("");  // the root element current, as after LeaveAll
    int steps = in.ConsumeIntegralInRange(0, 24);
    for (int i = 0; i < steps && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange(0, 9)) {
            case 0:
                doc.Descend(Name(in, doc));
                break;
            case 1:
                doc.FindNext(Name(in, doc));
                break;
            case 2:
                doc.Leave();
                break;
            case 3:
                doc.LeaveAll();
                break;
            case 4:
                doc.ResetPos();
                break;
            case 5: {
                std::string name = Name(in, doc);
                std::string value = Value(in);
                if (doc.SetAttr(name, value))
                    fuzz::Require(doc.GetAttr(name) == value, "SetAttr reads back");
                break;
            }
            case 6: {
                std::string value = Value(in);
                if (doc.SetText(value)) fuzz::Require(doc.GetText() == value, "SetText reads back");
                break;
            }
            case 7: {
                std::string name = Name(in, doc);
                std::string value = Value(in);
                if (doc.AppendElem(name, value))
                    fuzz::Require(doc.NameMatches(doc.CurrentPos(), name),
                                  "AppendElem makes the new element current");
                break;
            }
            case 8:
                doc.FindSibling("");
                break;
            case 9:
                doc.FindChild("");
                doc.Enter();
                break;
        }
        fuzz::CheckIndex(doc);
    }

    // Edits may add a second top-level element; the structure must still agree.
    if (wellFormed) {
        CXmlDoc fresh;
        fresh.SetDoc(doc.Text());
        fuzz::Require(fuzz::Structure(fresh) == fuzz::Structure(doc),
                      "a fresh parse gives the structure the edits maintained");
    }

    const std::string before = doc.Text();
    fuzz::Require(doc.SaveFile(file.Path()), "save succeeds");
    CXmlDoc reloaded;
    reloaded.LoadFile(file.Path());
    fuzz::CheckIndex(reloaded);
    fuzz::NavigateEverything(reloaded);
    if (wellFormed) fuzz::Require(reloaded.Text() == before, "save then load gives the same text");
    return 0;
}
