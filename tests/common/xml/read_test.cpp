// Reading attribute values and text with references decoded and CDATA taken as it is.
#include <gtest/gtest.h>

#include "common/xml/xml_doc.h"
#include "common/xml/xml_text_codec.h"

namespace {
std::string TextOf(const std::string& xml) {
    CXmlDoc doc;
    doc.SetDoc("<r>" + xml + "</r>");
    doc.Descend("t");
    return doc.GetText();
}
}  // namespace

TEST(XmlRead, ReferencesDecodeOnce) {
    using xml::DecodeReferences;
    EXPECT_EQ(DecodeReferences("&amp;lt;"), "&lt;");
    EXPECT_EQ(DecodeReferences("&Alpha;"), DecodeReferences("&alpha;"));
    EXPECT_EQ(DecodeReferences("&alpha;"), "\xA6\xA1");  // GBK of U+0391
    EXPECT_EQ(DecodeReferences("&#20013;&#x4E2D;&#X4e2d;"), "\xD6\xD0\xD6\xD0\xD6\xD0");
    EXPECT_EQ(DecodeReferences("&nosuch;"), "&nosuch;");
    EXPECT_EQ(DecodeReferences("&#0;&#;&#xZ1;&#12a;"), "&#0;&#;&#xZ1;&#12a;");
    EXPECT_EQ(DecodeReferences("&#x1F600;"), "&#x1F600;");  // no GBK equivalent
    EXPECT_EQ(DecodeReferences("&#65;&#x42;&lt;&gt;&quot;&apos;"), "AB<>\"'");
    // The ';' must come within nine characters.
    EXPECT_EQ(DecodeReferences("&#00000065;"), "A");
    EXPECT_EQ(DecodeReferences("&#000000065;"), "&#000000065;");
    EXPECT_EQ(DecodeReferences("a & b; &"), "a & b; &");
    // Multibyte characters are copied whole.
    EXPECT_EQ(DecodeReferences("\x95\x5C&amp;"), "\x95\x5C&");
}

TEST(XmlRead, TextIsDecodedJoinedAndNotTrimmed) {
    EXPECT_EQ(TextOf("<t> a &amp; b </t>"), " a & b ");
    EXPECT_EQ(TextOf("<t>x <![CDATA[<&amp;>]]> y</t>"), "x <&amp;> y");
    EXPECT_EQ(TextOf("<t>a<!-- c -->b<?pi?>c</t>"), "abc");
    EXPECT_EQ(TextOf("<t>  <!-- c -->  </t>"), "");
    EXPECT_EQ(TextOf("<t>\r\n<![CDATA[ keep ]]>\r\n</t>"), " keep ");
    EXPECT_EQ(TextOf("<t>1 < 2</t>"), "1 < 2");
    EXPECT_EQ(TextOf("<t/>"), "");
    EXPECT_EQ(TextOf("<t></t>"), "");
    EXPECT_EQ(TextOf("<t><u>x</u></t>"), "");
    EXPECT_EQ(TextOf("<t>\xD6\xD0\xCE\xC4</t>"), "\xD6\xD0\xCE\xC4");
}

TEST(XmlRead, AttributesInEitherQuoteWithReferences) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><t a=\"1 &amp; 2\" b='it&apos;s' c = \"x>y\" d=plain e/></r>"));
    ASSERT_TRUE(doc.Descend("t"));
    EXPECT_EQ(doc.GetAttr("a"), "1 & 2");
    EXPECT_EQ(doc.GetAttr("b"), "it's");
    EXPECT_EQ(doc.GetAttr("c"), "x>y");
    EXPECT_EQ(doc.GetAttr("d"), "plain");
    EXPECT_EQ(doc.GetAttr("e"), "");
    EXPECT_EQ(doc.GetAttr("A"), "");
    EXPECT_EQ(doc.GetAttr("f"), "");
    EXPECT_EQ(doc.GetAttr(""), "");
}

TEST(XmlRead, OutputEncodingEscapesMarkup) {
    EXPECT_EQ(xml::EncodeText("a&b<c>d'e\"f", false), "a&amp;b&lt;c&gt;d'e\"f");
    EXPECT_EQ(xml::EncodeText("a&b<c>d'e\"f", true), "a&amp;b&lt;c&gt;d&apos;e&quot;f");
    EXPECT_EQ(xml::DecodeReferences(xml::EncodeText("<&'\"\xD6\xD0>", true)), "<&'\"\xD6\xD0>");
}
