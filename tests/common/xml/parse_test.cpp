// Tree building: the index it fills and the errors it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/xml/xml_doc.h"

namespace {

// The element structure as "name(child,child)" from the index.
std::string Shape(const CXmlDoc& doc, int parent = 0) {
    std::string out;
    for (int e = doc.Elem(parent).firstChild; e; e = doc.Elem(e).nextSibling) {
        if (!out.empty()) out += ',';
        out += doc.TagName(e);
        if (doc.Elem(e).firstChild) out += "(" + Shape(doc, e) + ")";
    }
    return out;
}

int Find(const CXmlDoc& doc, std::string_view name) {
    for (int i = 1; i < doc.Index().Count(); ++i)
        if (doc.TagName(i) == name) return i;
    return 0;
}

}  // namespace

TEST(XmlParse, RecordsHoldOffsetsLengthsLinksAndDepth) {
    CXmlDoc doc;
    const std::string text = "<?xml version=\"1.0\"?>\r\n<r a=\"1\"><b>t</b><c/><d><e></e></d></r>";
    ASSERT_TRUE(doc.SetDoc(text));
    EXPECT_EQ(doc.Result(), "");
    EXPECT_EQ(Shape(doc), "r(b,c,d(e))");
    const ElemRecord& r = doc.Elem(Find(doc, "r"));
    EXPECT_EQ(r.start, text.find("<r"));
    EXPECT_EQ(r.length, text.size() - r.start);
    EXPECT_EQ(r.startTagLength, 9u);
    EXPECT_EQ(r.endTagLength, 4u);
    EXPECT_EQ(r.Depth(), 0u);
    EXPECT_TRUE(r.flags & kElemFirstChild);

    const ElemRecord& c = doc.Elem(Find(doc, "c"));
    EXPECT_EQ(c.length, 4u);
    EXPECT_EQ(c.startTagLength, 4u);
    EXPECT_EQ(c.endTagLength, 0u);
    EXPECT_EQ(c.Depth(), 1u);
    EXPECT_FALSE(c.flags & kElemFirstChild);

    // Siblings ring backwards: the first child's previous is the last child.
    int b = Find(doc, "b"), d = Find(doc, "d");
    EXPECT_EQ(doc.Elem(b).prevSibling, d);
    EXPECT_EQ(doc.Elem(d).nextSibling, 0);
    EXPECT_EQ(doc.Elem(d).prevSibling, Find(doc, "c"));
    EXPECT_EQ(doc.Elem(Find(doc, "e")).Depth(), 2u);
    EXPECT_EQ(doc.Elem(Find(doc, "e")).parent, d);
}

TEST(XmlParse, DepthSaturatesAtItsFieldWithoutTouchingTheFlags) {
    constexpr int kLevels = 70000;
    std::string text;
    text.reserve(kLevels * 7);
    for (int i = 0; i < kLevels; ++i) text += "<e>";
    for (int i = 0; i < kLevels; ++i) text += "</e>";
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc(text));
    const CElemIndex& index = doc.Index();
    ASSERT_EQ(index.Count(), kLevels + 1);
    const std::uint32_t known = kElemDepthMask | kElemFirstChild | kElemNotEnded |
                                kElemBadContent | kElemIllFormed;
    for (int e = 1; e < index.Count(); ++e) {
        std::uint32_t expected = std::min<std::uint32_t>(e - 1, kElemDepthMask);
        ASSERT_EQ(index[e].Depth(), expected) << "element " << e;
        ASSERT_EQ(index[e].flags & ~kElemDepthMask, kElemFirstChild) << "element " << e;
    }
    EXPECT_EQ(index[kLevels].Depth(), 65535u);
    EXPECT_EQ(index[0].flags & ~known, 0u);
}

TEST(XmlParse, IndexIsReservedFromTheTextLengthAndGrowsByHalf) {
    CElemIndex index;
    index.Reset(6400 / 64 + 8);
    EXPECT_EQ(index.Capacity(), 108u);
    for (int i = 0; i < 108; ++i) index.Add();
    EXPECT_EQ(index.Capacity(), 108u);
    index.Add();
    EXPECT_EQ(index.Capacity(), 162u);

    // More than one page: indexes are (page << 16) | slot and records stay put.
    CXmlDoc doc;
    std::string text = "<r>";
    for (int i = 0; i < 70000; ++i) text += "<e/>";
    text += "</r>";
    ASSERT_TRUE(doc.SetDoc(text));
    EXPECT_EQ(doc.Index().Count(), 70002);
    const ElemRecord& last = doc.Elem(70001);
    EXPECT_EQ(last.start, text.size() - 8);
    EXPECT_EQ(doc.Elem(1).firstChild, 2);
    EXPECT_EQ(doc.Elem(2).prevSibling, 70001);
}

TEST(XmlParse, MismatchedEndTagLeavesInnerElementNotEnded) {
    CXmlDoc doc;
    EXPECT_FALSE(doc.SetDoc("<a><b>x</a>"));
    EXPECT_EQ(doc.Result(), "End tag 'a' at offset 7 does not match start tag 'b' at offset 3");
    EXPECT_EQ(Shape(doc), "a(b)");
    const ElemRecord& b = doc.Elem(Find(doc, "b"));
    EXPECT_TRUE(b.flags & kElemNotEnded);
    EXPECT_EQ(b.length, 3u);
    EXPECT_TRUE(doc.Elem(Find(doc, "a")).flags & kElemBadContent);
    EXPECT_TRUE(doc.Elem(0).flags & kElemIllFormed);
    EXPECT_EQ(doc.Elem(Find(doc, "a")).length, 11u);
}

TEST(XmlParse, ChildrenOfNotEndedElementsMoveUpInDocumentOrder) {
    CXmlDoc doc;
    doc.SetDoc("<a><b><x/><c><y><z/></y></c2><w/></a>");
    // b and c are never ended: their children follow them one level up, under a.
    EXPECT_EQ(Shape(doc), "a(b,x,c,y(z),w)");
    EXPECT_EQ(doc.Elem(Find(doc, "z")).Depth(), 2u);
    EXPECT_EQ(doc.Elem(Find(doc, "y")).Depth(), 1u);
    EXPECT_EQ(doc.Elem(Find(doc, "y")).parent, Find(doc, "a"));
    // The first error is the stray </c2>.
    EXPECT_EQ(doc.Result(), "No start tag for end tag 'c2' at offset 24");
}

TEST(XmlParse, ElementsOpenAtTheEndAreNotEnded) {
    CXmlDoc doc;
    EXPECT_FALSE(doc.SetDoc("<a><b><c/>"));
    EXPECT_EQ(doc.Result(), "Element 'b' at offset 3 not ended");
    EXPECT_EQ(Shape(doc), "a,b,c");
    EXPECT_TRUE(doc.Elem(Find(doc, "a")).flags & kElemNotEnded);
}

TEST(XmlParse, MalformedNodesGiveTheirErrorTexts) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"<r><!x></r>", "Incorrect ! tag at offset 3"},
        {"<r><!-x--></r>", "Incorrect comment tag at offset 3"},
        {"<r><![X[a]]></r>", "Incorrect tag at offset 3"},
        {"<r>a < b</r>", "Incorrect tag name character at offset 5"},
        {"<r><1/></r>", "Incorrect tag name character at offset 3"},
        {"<r><!-- x</r>", "Comment at offset 3 unterminated"},
        {"<r><![CDATA[ x</r>", "CDATA Section at offset 3 unterminated"},
        {"<r><? x</r>", "Processing instruction at offset 3 unterminated"},
        {"<!DOCTYPE r [<!ENTITY a 'b'>", "Doctype at offset 0 unterminated"},
        {"<r a=\"x", "Element tag at offset 0 unterminated"},
        {"<r></r", "Element end tag at offset 3 unterminated"},
        {"<r/><", "tag at offset 4 unterminated"},
        {"", "Empty document"},
        {"just text", "No root element"},
        {"<a/><b/>", "Root element has sibling"},
        {"<a/></b>", "No start tag for end tag 'b' at offset 4"},
    };
    for (const Case& c : cases) {
        CXmlDoc doc;
        EXPECT_FALSE(doc.SetDoc(c.text)) << c.text;
        EXPECT_EQ(doc.Result(), c.error) << c.text;
    }
}

TEST(XmlParse, EveryNodeKindIsStepped) {
    CXmlDoc doc;
    const char* text =
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
        "<!DOCTYPE r [<!ELEMENT r ANY><!ATTLIST r a CDATA \"<x>\">]>\n"
        "<!-- <notanelement/> -->\n"
        "<r q='a>b' s=\"<c>\">\n"
        "  <![CDATA[<fake/>]]>\n"
        "  <?pi <fake2/> ?>\n"
        "  <\xD6\xD0\xCE\xC4>x</\xD6\xD0\xCE\xC4>\n"
        "  <{odd}/><_u/><:c/>\n"
        "</r>";
    EXPECT_TRUE(doc.SetDoc(text)) << doc.Result();
    EXPECT_EQ(Shape(doc), "r(\xD6\xD0\xCE\xC4,{odd},_u,:c)");
}

TEST(XmlParse, MultibyteNamesAreSteppedWhole) {
    // 0x5C ('\') is a GBK trail byte here: it must not end the name.
    CXmlDoc doc;
    EXPECT_TRUE(doc.SetDoc("<r\x95\x5C>x</r\x95\x5C>")) << doc.Result();
    EXPECT_EQ(doc.TagName(1), "r\x95\x5C");
}

TEST(XmlParse, OnlyTheFirstErrorIsKeptAndParsingGoesOn) {
    CXmlDoc doc;
    EXPECT_FALSE(doc.SetDoc("<r><!x><a/></q><b/></r>"));
    EXPECT_EQ(doc.Result(), "Incorrect ! tag at offset 3");
    EXPECT_EQ(Shape(doc), "r(a,b)");
    EXPECT_TRUE(doc.Elem(1).flags & kElemBadContent);
}

TEST(XmlParse, SettingANewTextResetsIndexAndPosition) {
    CXmlDoc doc;
    doc.SetDoc("<a><b/></a>");
    ASSERT_TRUE(doc.Descend("b"));
    doc.SetDoc("<c/>");
    EXPECT_EQ(doc.CurrentPos(), 0);
    EXPECT_EQ(doc.ParentPos(), 0);
    EXPECT_EQ(doc.Index().Count(), 2);
    doc.Clear();
    EXPECT_FALSE(doc.IsWellFormed());
    EXPECT_FALSE(doc.Descend("c"));
    EXPECT_EQ(doc.GetText(), "");
}

TEST(XmlParse, DeepAndHostileInputStaysLinear) {
    // Thousands of unmatched end tags under a deep stack must not search it each time.
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "<a>";
    for (int i = 0; i < 20000; ++i) text += "</b" + std::to_string(i) + ">";
    CXmlDoc doc;
    EXPECT_FALSE(doc.SetDoc(text));
    EXPECT_EQ(doc.Result(), "No start tag for end tag 'b0' at offset 60000");
    EXPECT_EQ(doc.Index().Count(), 20001);
}
