// Any byte sequence parses, navigates, reads and takes edits without reading outside the
// text (the sanitizer run checks the memory side of it).
#include <gtest/gtest.h>

#include <random>

#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/xml/utf8_to_local.h"
#include "common/xml/xml_doc.h"

namespace {

std::string RandomMarkup(std::mt19937& rng, std::size_t maxLength) {
    static const std::string_view pieces[] = {
        "<",   ">",    "/",  "</a>", "<a>", "<b x='1'>", "<a/>", "!", "-", "--", "<!--", "-->",
        "<![CDATA[", "]]>", "<?", "?>", "<!DOCTYPE", "[", "]", "\"", "'", "=", "&", ";",
        "&amp;", "&#x", "&#", " ", "\r\n", "\xD6\xD0", "\x95\\", "\xEF\xBB\xBF", "\xFF\xFE",
        std::string_view("\0", 1), "\x81", "\xE4\xB8", "<html>", "<meta http-equiv=Content-Type content='charset=", "encoding=\"", "UTF-32", "utf-16"};
    std::string out;
    std::size_t length = rng() % maxLength;
    while (out.size() < length) out += pieces[rng() % std::size(pieces)];
    return out;
}

void Exercise(CXmlDoc& doc, std::mt19937& rng) {
    const char* names[] = {"", "a", "b", "x"};
    for (int i = 0; i < 30; ++i) {
        std::string_view name = names[rng() % 4];
        switch (rng() % 12) {
            case 0: doc.Descend(name); break;
            case 1: doc.FindNext(name); break;
            case 2: doc.Leave(); break;
            case 3: doc.LeaveAll(); break;
            case 4: doc.Enter(); break;
            case 5: doc.FindChild(name); break;
            case 6: doc.Locate("a", "x", "1"); break;
            case 7: doc.SetAttr("x", "<&>"); break;
            case 8: doc.SetText("t&"); break;
            case 9: doc.AppendElem("a", rng() % 2 ? "" : "v"); break;
            default: break;
        }
        doc.GetText();
        doc.GetAttr("x");
        for (int e = 1; e < doc.Index().Count(); ++e) {
            const ElemRecord& r = doc.Elem(e);
            ASSERT_LE(std::size_t(r.start) + r.length, doc.Text().size());
            ASSERT_LE(r.startTagLength + r.endTagLength, r.length);
            doc.GetTextOf(e);
            doc.GetAttrOf(e, "x");
        }
    }
}

}  // namespace

TEST(XmlRobustness, RandomMarkupParsesNavigatesReadsAndEdits) {
    std::mt19937 rng(7);
    for (int round = 0; round < 1500; ++round) {
        CXmlDoc doc;
        doc.SetDoc(RandomMarkup(rng, 200));
        Exercise(doc, rng);
        if (HasFatalFailure()) return;
        Utf8ToLocal(doc.Text());
    }
}

TEST(XmlRobustness, RandomFilesLoad) {
    std::string dir = platform::MakeTempDirectory("quorvel-xml-random");
    std::string path = platform::JoinPath(dir, "r.xml");
    std::mt19937 rng(11);
    for (int round = 0; round < 120; ++round) {
        ASSERT_TRUE(platform::ReplaceFileAtomically(path, RandomMarkup(rng, 300)));
        CXmlDoc doc;
        doc.LoadFile(path);
        EXPECT_FALSE(doc.Result().empty());
        Exercise(doc, rng);
        if (HasFatalFailure()) break;
        if (round % 10 == 0) doc.SaveFile(path);
    }
    platform::RemoveDirectoryTree(dir);
}
