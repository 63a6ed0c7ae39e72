// Editing: SetAttr, SetText, AppendElem splice the text and keep the index exact.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "common/xml/xml_doc.h"

namespace {

// Every element's geometry and links, walked in document order, as one comparable text.
std::string Layout(const CXmlDoc& doc, int parent = 0) {
    std::ostringstream out;
    for (int e = doc.Elem(parent).firstChild; e; e = doc.Elem(e).nextSibling) {
        const ElemRecord& r = doc.Elem(e);
        out << doc.TagName(e) << '@' << r.start << '+' << r.length << '/' << r.startTagLength
            << '/' << r.endTagLength << 'd' << r.Depth() << ((r.flags & kElemNotEnded) ? "!" : "")
            << ((r.flags & kElemFirstChild) ? "f" : "");
        if (r.parent != parent) out << "[bad parent]";
        if (e == doc.Elem(parent).firstChild) {
            int last = e;
            while (doc.Elem(last).nextSibling) last = doc.Elem(last).nextSibling;
            if (r.prevSibling != last) out << "[bad ring]";
        }
        if (r.firstChild) out << '(' << Layout(doc, e) << ')';
        out << ' ';
    }
    return out.str();
}

void ExpectIndexMatchesFreshParse(const CXmlDoc& edited) {
    CXmlDoc fresh;
    fresh.SetDoc(edited.Text());
    ASSERT_EQ(Layout(edited), Layout(fresh)) << edited.Text();
    ASSERT_EQ(edited.Elem(0).length, edited.Text().size());
}

}  // namespace

TEST(XmlEdit, SetAttrReplacesOrAddsAndShiftsWhatFollows) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><a x='1' y=\"2\">t</a><b/></r>"));
    ASSERT_TRUE(doc.Descend("a"));
    ASSERT_TRUE(doc.SetAttr("x", "<\"q\" & 'a'>"));
    EXPECT_EQ(doc.Text(), "<r><a x=\"&lt;&quot;q&quot; &amp; &apos;a&apos;&gt;\" y=\"2\">t</a><b/></r>");
    EXPECT_EQ(doc.GetAttr("x"), "<\"q\" & 'a'>");
    ASSERT_TRUE(doc.SetAttr("z", "3"));
    EXPECT_EQ(doc.Text().substr(0, 12), "<r><a z=\"3\" ");
    EXPECT_EQ(doc.GetText(), "t");
    ExpectIndexMatchesFreshParse(doc);
    ASSERT_TRUE(doc.FindNext("b"));
    EXPECT_TRUE(doc.SetAttr("k", ""));
    EXPECT_EQ(doc.Text().substr(doc.Text().size() - 13), "<b k=\"\"/></r>");
    ExpectIndexMatchesFreshParse(doc);
    EXPECT_FALSE(doc.SetAttr("bad name", "v"));
    EXPECT_FALSE(doc.SetAttr("", "v"));
    doc.ResetPos();
    EXPECT_FALSE(doc.SetAttr("a", "v"));  // nothing current
}

TEST(XmlEdit, SetTextReplacesContentOfElementsWithoutChildren) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><a>old<!--c--></a><e/><f x='1' /><g><h/></g></r>"));
    ASSERT_TRUE(doc.Descend("a"));
    ASSERT_TRUE(doc.SetText("1 < 2 & \"3\""));
    EXPECT_EQ(doc.GetText(), "1 < 2 & \"3\"");
    EXPECT_NE(doc.Text().find("<a>1 &lt; 2 &amp; \"3\"</a>"), std::string::npos);
    ASSERT_TRUE(doc.FindNext("e"));
    ASSERT_TRUE(doc.SetText("v"));
    ASSERT_TRUE(doc.FindNext("f"));
    ASSERT_TRUE(doc.SetText("w"));
    EXPECT_NE(doc.Text().find("<e>v</e><f x='1' >w</f>"), std::string::npos);
    ASSERT_TRUE(doc.FindNext("g"));
    EXPECT_FALSE(doc.SetText("x"));  // has a child element
    ExpectIndexMatchesFreshParse(doc);
    EXPECT_TRUE(doc.IsWellFormed());
}

TEST(XmlEdit, AppendElemPlacesTheNewElementAndMakesItCurrent) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r>\r\n  <a/>  \r\n  <b/>\r\n</r>"));
    ASSERT_TRUE(doc.Descend("a"));
    ASSERT_TRUE(doc.AppendElem("n", "v&"));
    EXPECT_EQ(doc.Text(), "<r>\r\n  <a/>  \r\n  <n>v&amp;</n>\r\n<b/>\r\n</r>");
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "n");
    EXPECT_EQ(doc.GetText(), "v&");
    ExpectIndexMatchesFreshParse(doc);
    // Nothing current at a level: at the end of the parent's content.
    doc.ResetPos();
    ASSERT_TRUE(doc.FindSibling("r"));
    ASSERT_TRUE(doc.Enter());
    ASSERT_EQ(doc.CurrentPos(), 0);
    ASSERT_TRUE(doc.AppendElem("z", ""));
    EXPECT_EQ(doc.Text(), "<r>\r\n  <a/>  \r\n  <n>v&amp;</n>\r\n<b/>\r\n<z/>\r\n</r>");
    ExpectIndexMatchesFreshParse(doc);
}

TEST(XmlEdit, AppendElemIntoEmptyParents) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><p/><q></q><s>x</s></r>"));
    for (const char* parent : {"p", "q", "s"}) {
        doc.LeaveAll();
        ASSERT_TRUE(doc.FindChild(parent));
        ASSERT_TRUE(doc.Enter());
        ASSERT_TRUE(doc.Enter());  // into the parent: nothing current
        ASSERT_EQ(doc.CurrentPos(), 0);
        ASSERT_TRUE(doc.AppendElem("n", ""));
        ExpectIndexMatchesFreshParse(doc);
    }
    EXPECT_EQ(doc.Text(),
              "<r><p>\r\n<n/>\r\n</p><q>\r\n<n/>\r\n</q><s>x<n/>\r\n</s></r>");
    EXPECT_TRUE(doc.IsWellFormed());
    EXPECT_FALSE(doc.AppendElem("bad name", ""));
    EXPECT_FALSE(doc.AppendElem("", ""));
    EXPECT_FALSE(doc.AppendElem("1x", ""));
}

TEST(XmlEdit, NotEndedElementsAreEditedConsistently) {
    CXmlDoc doc;
    doc.SetDoc("<a><b><c/>t</a>");
    ASSERT_TRUE(doc.Descend("b"));
    ASSERT_TRUE(doc.AppendElem("n", "1"));
    ExpectIndexMatchesFreshParse(doc);
    doc.ResetPos();
    ASSERT_TRUE(doc.Descend("b"));
    ASSERT_TRUE(doc.SetText("v"));
    EXPECT_EQ(doc.Text().substr(0, 13), "<a><b>v</b><n");
    ExpectIndexMatchesFreshParse(doc);
    EXPECT_FALSE(doc.Elem(doc.CurrentPos()).flags & kElemNotEnded);
}

// After any sequence of edits, parsing the edited text afresh gives the same elements
// (names, nesting, order, and every offset and length) as the index the edits kept.
TEST(XmlEdit, IndexKeptByEditsEqualsAFreshParse) {
    std::mt19937 rng(20261207);
    auto pick = [&](int n) { return static_cast<int>(rng() % n); };
    const char* names[] = {"a", "b", "c", "item", "\xD6\xD0"};
    const char* values[] = {"", "1", "x<y>&z", "'q\"", "\xD6\xD0\xCE\xC4", "  "};

    auto randomDoc = [&](bool wellFormed) {
        std::string text = "<?xml version=\"1.0\"?>\r\n<r>";
        std::vector<std::string> open = {"r"};
        for (int i = 0, n = 5 + pick(30); i < n; ++i) {
            switch (pick(7)) {
                case 0:
                case 1: {
                    std::string name = names[pick(5)];
                    text += "<" + name + (pick(2) ? " k='v'" : "") + ">";
                    open.push_back(name);
                    break;
                }
                case 2: text += std::string("<") + names[pick(5)] + "/>"; break;
                case 3: text += pick(2) ? "text" : "\r\n  "; break;
                case 4: text += "<!-- c --><![CDATA[<d>]]>"; break;
                default:
                    if (open.size() > 1) {
                        if (wellFormed || pick(4)) text += "</" + open.back() + ">";
                        open.pop_back();
                    }
            }
        }
        while (!open.empty()) {
            if (wellFormed || pick(3)) text += "</" + open.back() + ">";
            open.pop_back();
        }
        return text;
    };

    int edits = 0;
    for (int round = 0; round < 300; ++round) {
        CXmlDoc doc;
        doc.SetDoc(randomDoc(round % 3 != 0));
        for (int step = 0; step < 40; ++step) {
            std::string name = names[pick(5)];
            switch (pick(11)) {
                case 0: doc.FindChild(pick(2) ? "" : name); break;
                case 1: doc.Enter(); break;
                case 2: doc.Leave(); break;
                case 3: doc.FindSibling(pick(2) ? "" : name); break;
                case 4: doc.Descend(name); break;
                case 5: doc.LeaveAll(); break;
                case 6:
                case 7: edits += doc.SetAttr(pick(2) ? "k" : name, values[pick(6)]); break;
                case 8: edits += doc.SetText(values[pick(6)]); break;
                default: edits += doc.AppendElem(name, values[pick(6)]); break;
            }
            // Reading never fails to stay inside the text.
            doc.GetText();
            doc.GetAttr("k");
            ExpectIndexMatchesFreshParse(doc);
            if (HasFatalFailure()) return;
        }
    }
    EXPECT_GT(edits, 2000);
}
