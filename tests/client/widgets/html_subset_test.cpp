// The label's HTML subset translated into document rich text.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "client/widgets/html_subset.h"

using html_subset::CssColor;
using html_subset::Translate;

TEST(HtmlSubset, ColoursAreColorRefsUnlessWrittenTheHtmlWay) {
    EXPECT_EQ(CssColor("0xFF0000"), "#0000ff");
    EXPECT_EQ(CssColor("0x0000ff"), "#ff0000");
    EXPECT_EQ(CssColor("255"), "#ff0000");
    EXPECT_EQ(CssColor("#12ab34"), "#12ab34");
    EXPECT_EQ(CssColor("Navy"), "navy");
    EXPECT_EQ(CssColor("0xZZ"), "");
    EXPECT_EQ(CssColor("nonsense"), "");
    EXPECT_EQ(html_subset::CssDeclarations("color:0xFFFFFF; text-decoration:none"),
              "color:#ffffff; text-decoration:none");
    EXPECT_EQ(html_subset::CssDeclarations("font-size:9; bogus; font-weight:700"),
              "font-size:9pt; font-weight:700");
}

TEST(HtmlSubset, LinksBecomeIndexedAnchorsStyledByState) {
    html_subset::Options options;
    options.linkStyle = "color:0x0000FF; text-decoration:none";
    options.hoverStyle = "color:0x00FF00; text-decoration:underline";
    options.hoverIndex = 1;
    const auto result = Translate(R"(<a href="http://a/">A</a> <A MSG='m'>B</a> <a href=HHHH>C)", options);
    ASSERT_EQ(result.links.size(), 3u);
    EXPECT_EQ(result.links[0].href, "http://a/");
    EXPECT_EQ(result.links[1].message, "m");
    EXPECT_EQ(result.links[2].href, "HHHH");
    EXPECT_TRUE(result.html.contains(R"(<a href="qlink:0" style="color:#ff0000; text-decoration:none">A</a>)"));
    EXPECT_TRUE(result.html.contains(R"(<a href="qlink:1" style="color:#00ff00; text-decoration:underline">B</a>)"));
    EXPECT_TRUE(result.html.endsWith("C</a>"));  // an unclosed link is closed
    EXPECT_EQ(html_subset::LinkIndexOfAnchor("qlink:2"), 2);
    EXPECT_EQ(html_subset::LinkIndexOfAnchor("http://x"), -1);
}

TEST(HtmlSubset, TagsAttributesAndTextSurviveAsTheDocumentReadsThem) {
    html_subset::Options options;
    options.imageFolder = "/opt/q";
    const auto result = Translate(
        "<font color=0x0000FF size=12 face=Arial bkgnd=0xFF0000 weight=700>R</font>"
        "<strike>x</strike><blink>kept</blink><!-- gone -->&amp;&nbsp;a & b < c"
        "<img file=\"image\\ad_1.gif\" width=10><table bgcolor=0x00FF00 border=1><tr><td colspan=2>t</td></tr></table>",
        options);
    const QString& html = result.html;
    EXPECT_TRUE(html.contains("color:#ff0000")) << html.toStdString();
    EXPECT_TRUE(html.contains("font-size:12pt"));
    EXPECT_TRUE(html.contains("font-family:Arial"));
    EXPECT_TRUE(html.contains("background-color:#0000ff"));
    EXPECT_TRUE(html.contains("font-weight:700"));
    EXPECT_TRUE(html.contains("<s>x</s>"));
    EXPECT_TRUE(html.contains("kept"));
    EXPECT_FALSE(html.contains("blink"));
    EXPECT_FALSE(html.contains("gone"));
    EXPECT_TRUE(html.contains("&amp;&nbsp;a &amp; b &lt; c"));
    EXPECT_TRUE(html.contains(R"(<img src="/opt/q/image/ad_1.gif" width="10" />)"));
    ASSERT_EQ(result.images.size(), 1u);
    EXPECT_TRUE(html.contains(R"(bgcolor="#00ff00")"));
    EXPECT_TRUE(html.contains(R"(colspan="2")"));

    QTextDocument document;
    document.setHtml(html);
    EXPECT_TRUE(document.toPlainText().contains("R"));
    EXPECT_TRUE(document.toPlainText().contains("a & b < c"));
}
