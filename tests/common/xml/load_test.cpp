// Loading files: marks, declared encodings, UTF-8 detection, UTF-16, UTF-32, the notes in
// the result; and saving back in the encoding the file was read in.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/xml/xml_doc.h"
#include "common/xml/xml_encoding.h"

namespace {

const std::string kZhongUtf8 = "\xE4\xB8\xAD";  // 中
const std::string kZhongGbk = "\xD6\xD0";

class XmlLoad : public ::testing::Test {
protected:
    void SetUp() override { dir_ = platform::MakeTempDirectory("quorvel-xml-load"); }
    void TearDown() override { platform::RemoveDirectoryTree(dir_); }

    std::string Write(const std::string& bytes, const std::string& name = "f.xml") {
        std::string path = platform::JoinPath(dir_, name);
        EXPECT_TRUE(platform::ReplaceFileAtomically(path, bytes));
        return path;
    }
    std::string Read(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(platform::ReadWholeFile(path, bytes));
        return bytes;
    }
    // Loads bytes; returns the text and keeps the document in doc_.
    std::string Load(const std::string& bytes) {
        doc_.LoadFile(Write(bytes));
        return doc_.Text();
    }

    std::string dir_;
    CXmlDoc doc_;
};

std::string Utf16(const std::string& gbk, bool bigEndian) {
    std::u16string wide;
    platform::MultiByteToWide(platform::kCodePageLocal, gbk, wide);
    std::string out;
    for (char16_t c : wide) {
        char lo = char(c & 0xFF), hi = char(c >> 8);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

}  // namespace

TEST_F(XmlLoad, Utf8WithMarkIsConvertedToGbk) {
    std::string body = "<r>" + kZhongUtf8 + "</r>";
    EXPECT_EQ(Load("\xEF\xBB\xBF" + body), "<r>" + kZhongGbk + "</r>");
    EXPECT_EQ(doc_.Result(), "UTF-8 BOM + length 10 to length 9 ");
    EXPECT_EQ(doc_.DocFlags(), kDocReadFile | kDocUtf8Mark);
    EXPECT_TRUE(doc_.IsWellFormed());
}

TEST_F(XmlLoad, NoMarkNoDeclarationStartingWithTagIsUtf8) {
    EXPECT_EQ(Load("<r>" + kZhongUtf8 + "</r>"), "<r>" + kZhongGbk + "</r>");
    EXPECT_EQ(doc_.Result(), "UTF-8 length 10 to length 9 ");
    // Even GBK bytes: they do not decode and become '?'.
    EXPECT_EQ(Load("<r>" + kZhongGbk + "</r>").substr(0, 4), "<r>?");
}

TEST_F(XmlLoad, OtherStartsGoThroughUtf8Detection) {
    EXPECT_EQ(Load(" <r>" + kZhongUtf8 + "</r>"), " <r>" + kZhongGbk + "</r>");
    EXPECT_EQ(doc_.Result(), "UTF-8 length 11 to length 10 (used UTF-8 detection) ");
    EXPECT_EQ(Load(" <r>" + kZhongGbk + "</r>"), " <r>" + kZhongGbk + "</r>");
    EXPECT_EQ(doc_.Result(), "ANSI length 10 (used UTF-8 detection) ");
    EXPECT_EQ(Load(" <r>ascii</r>"), " <r>ascii</r>");
    EXPECT_EQ(doc_.Result(), "ANSI length 13 (used UTF-8 detection) ");
}

TEST_F(XmlLoad, Utf8DetectionRules) {
    bool nonAscii = false;
    EXPECT_TRUE(xml::LooksLikeUtf8("abc", &nonAscii));
    EXPECT_FALSE(nonAscii);
    EXPECT_TRUE(xml::LooksLikeUtf8(kZhongUtf8 + "\xC3\xA9\xF0\x9F\x98\x80", &nonAscii));
    EXPECT_TRUE(nonAscii);
    EXPECT_TRUE(xml::LooksLikeUtf8("\x80\x80", &nonAscii));  // stray 10xxxxxx: a two-byte lead
    EXPECT_FALSE(xml::LooksLikeUtf8("\xF8\x80\x80\x80\x80", &nonAscii));
    EXPECT_FALSE(xml::LooksLikeUtf8("\xE4\xB8", &nonAscii));  // cut short
    EXPECT_FALSE(xml::LooksLikeUtf8(kZhongGbk, &nonAscii));
}

TEST_F(XmlLoad, Utf8DetectionStopsAtTheEndOfItsView) {
    bool nonAscii = false;
    // The byte after the view would complete the sequence the view ends inside.
    const std::string buffer = "ab\xE4\xB8\xAD";
    EXPECT_FALSE(xml::LooksLikeUtf8(std::string_view(buffer).substr(0, 4), &nonAscii));
    EXPECT_FALSE(xml::LooksLikeUtf8(std::string_view(buffer).substr(0, 3), &nonAscii));
    EXPECT_TRUE(xml::LooksLikeUtf8(buffer, &nonAscii));
    // A view ending where its memory ends: a read past it is an overflow the sanitizers see.
    auto exact = std::make_unique<char[]>(4);
    std::memcpy(exact.get(), "ab\xE4\xB8", 4);
    EXPECT_FALSE(xml::LooksLikeUtf8(std::string_view(exact.get(), 4), &nonAscii));
}

TEST_F(XmlLoad, DeclaredLocalEncodingMeansNoConversion) {
    std::string text = "<?xml version=\"1.0\" encoding=\"gb2312\"?><r>" + kZhongGbk + "</r>";
    EXPECT_EQ(Load(text), text);
    EXPECT_EQ(doc_.Result(), "gb2312 length " + std::to_string(text.size()) + " ");
    std::string unknown = "<?xml version=\"1.0\" encoding=\"x-nosuch\"?><r>" + kZhongGbk + "</r>";
    EXPECT_EQ(Load(unknown), unknown);
    EXPECT_EQ(doc_.Result(), "x-nosuch length " + std::to_string(unknown.size()) + " ");
}

TEST_F(XmlLoad, DeclaredForeignEncodingIsConverted) {
    std::string text = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xE9</r>";
    EXPECT_EQ(Load(text), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xA8\xA6</r>");
    EXPECT_EQ(doc_.Result(), "ISO-8859-1 length 54 to length 55 ");
    std::string big5 = "<?xml version=\"1.0\" encoding=\"big5\"?><r>\xA4\xA4</r>";
    Load(big5);
    EXPECT_EQ(doc_.Text().substr(doc_.Text().size() - 9), "<r>" + kZhongGbk + "</r>");
}

TEST_F(XmlLoad, HtmlMetaCharsetIsTheDeclaration) {
    std::string html =
        "<!DOCTYPE html><HTML><head><title>t</title>"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\"></head>"
        "<body>" + kZhongUtf8 + "</body></HTML>";
    Load(html);
    EXPECT_EQ(doc_.Result().substr(0, 6), "UTF-8 ");
    EXPECT_NE(doc_.Text().find("<body>" + kZhongGbk), std::string::npos);
    // After </head> nothing counts; a first element other than html means no declaration.
    Load(" <html><head></head><meta http-equiv='Content-Type' content='charset=big5'></html>");
    EXPECT_EQ(doc_.Result().substr(0, 5), "ANSI ");
    Load(" <x><meta http-equiv='Content-Type' content='charset=big5'/></x>");
    EXPECT_EQ(doc_.Result().substr(0, 5), "ANSI ");
}

TEST_F(XmlLoad, Utf16WithMarksNullsRemovedAndSwapped) {
    std::string gbk = "<r>" + kZhongGbk + "</r>";
    EXPECT_EQ(Load("\xFF\xFE" + Utf16(gbk, false)), gbk);
    EXPECT_EQ(doc_.Result(), "UTF-16LE BOM + length 8 to 9 bytes ");
    EXPECT_EQ(doc_.DocFlags(), kDocReadFile | kDocUtf16LEMark);

    EXPECT_EQ(Load("\xFE\xFF" + Utf16(gbk, true)), gbk);
    EXPECT_EQ(doc_.Result(), "UTF-16BE BOM + length 8 endian swap to 9 bytes ");
    EXPECT_EQ(doc_.DocFlags(), kDocReadFile | kDocUtf16BEMark);

    std::string withNulls = Utf16("<r>", false) + std::string(2, '\0') + Utf16("x</r>", false);
    EXPECT_EQ(Load("\xFF\xFE" + withNulls), "<r>x</r>");
    EXPECT_EQ(doc_.Result(), "UTF-16LE BOM + length 9 (1 nulls removed) to 8 bytes ");

    // A character GBK lacks.
    EXPECT_EQ(Load(std::string("\xFF\xFE<\0r\0>\0\x3D\xD8\x00\xDE<\0/\0r\0>\0", 20)), "<r>?</r>");
    EXPECT_EQ(doc_.Result(),
              "UTF-16LE BOM + length 9 to 8 bytes (chars lost in conversion!) ");
}

TEST_F(XmlLoad, Utf32DeclaredIsConvertedByTheProgram) {
    std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-32\"?><r>" + kZhongGbk + "</r>";
    std::u16string wide;
    platform::MultiByteToWide(platform::kCodePageLocal, decl, wide);
    for (bool big : {false, true}) {
        std::string bytes = xml::WideToUtf32(wide, big);
        EXPECT_EQ(Load(bytes), decl) << big;
        EXPECT_EQ(doc_.Result(), "UTF-32 length " + std::to_string(bytes.size()) +
                                     " to length " + std::to_string(decl.size()) + " ");
        EXPECT_TRUE(doc_.IsWellFormed());
    }
    EXPECT_EQ(xml::EncodingCodePage("UTF-32BE"), 65005u);
    EXPECT_EQ(xml::EncodingCodePage("utf-32"), std::nullopt);  // the prefix is in capitals
    EXPECT_EQ(xml::EncodingCodePage(""), 0u);
    EXPECT_EQ(xml::EncodingCodePage(std::string(100, 'a')), std::nullopt);
    EXPECT_EQ(xml::EncodingCodePage("GB2312"), 936u);
    EXPECT_EQ(xml::Utf32ToWide(std::string("\x00\x00\x11\x00", 4), false), u"?");
}

TEST_F(XmlLoad, EmptyMissingAndUnreadableFiles) {
    EXPECT_EQ(Load(""), "");
    EXPECT_EQ(doc_.Result(), "ANSI 0 length  Empty document");
    Load("\xEF\xBB\xBF");
    EXPECT_EQ(doc_.Result(), "UTF-8 BOM + 0 length  Empty document");

    EXPECT_FALSE(doc_.LoadFile(platform::JoinPath(dir_, "missing.xml")));
    EXPECT_EQ(doc_.Result(), "No such file or directory");
    EXPECT_EQ(doc_.Text(), "");
    EXPECT_FALSE(doc_.Descend("r"));
    EXPECT_FALSE(doc_.LoadFile(dir_));  // a folder cannot be read as a file
    EXPECT_FALSE(doc_.Result().empty());
}

TEST_F(XmlLoad, ParseErrorFollowsTheNotes) {
    Load("<?xml version=\"1.0\" encoding=\"GBK\"?><r><a></r>");
    EXPECT_EQ(doc_.Result(),
              "GBK length 46  End tag 'r' at offset 42 does not match start tag 'a' at offset 39");
}

TEST_F(XmlLoad, SaveWritesBackInTheEncodingReadIn) {
    const std::string gbkBody = "<r a=\"" + kZhongGbk + "\">" + kZhongGbk + "</r>";
    std::string utf8Body = platform::LocalToUtf8(gbkBody);
    const std::string files[] = {
        "\xEF\xBB\xBF" + utf8Body,                  // UTF-8 with mark
        utf8Body,                                   // UTF-8 by the leading '<'
        "\r\n" + utf8Body,                          // UTF-8 by detection
        "\xFF\xFE" + Utf16(gbkBody, false),         // UTF-16LE
        "\xFE\xFF" + Utf16(gbkBody, true),          // UTF-16BE
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>" + gbkBody,  // local
    };
    for (const std::string& bytes : files) {
        std::string path = Write(bytes);
        CXmlDoc doc;
        ASSERT_TRUE(doc.LoadFile(path)) << doc.Result();
        std::string text = doc.Text();
        ASSERT_TRUE(doc.SaveFile(path));
        EXPECT_EQ(Read(path), bytes);
        CXmlDoc again;
        ASSERT_TRUE(again.LoadFile(path));
        EXPECT_EQ(again.Text(), text);
    }
    // UTF-32 in both byte orders.
    std::u16string wide;
    platform::MultiByteToWide(platform::kCodePageLocal,
                              "<?xml version=\"1.0\" encoding=\"UTF-32\"?>" + gbkBody, wide);
    for (bool big : {false, true}) {
        std::string bytes = xml::WideToUtf32(wide, big);
        std::string path = Write(bytes);
        CXmlDoc doc;
        ASSERT_TRUE(doc.LoadFile(path)) << doc.Result();
        ASSERT_TRUE(doc.SaveFile(path));
        EXPECT_EQ(Read(path), bytes);
    }
}

TEST_F(XmlLoad, EditedUtf8DocumentSavesAsUtf8) {
    std::string path = Write("\xEF\xBB\xBF<r><v>1</v></r>");
    CXmlDoc doc;
    ASSERT_TRUE(doc.LoadFile(path));
    ASSERT_TRUE(doc.Descend("v"));
    ASSERT_TRUE(doc.SetText(kZhongGbk));
    ASSERT_TRUE(doc.SaveFile(path));
    EXPECT_EQ(Read(path), "\xEF\xBB\xBF<r><v>" + kZhongUtf8 + "</v></r>");
}

TEST_F(XmlLoad, AFailedSaveReturnsFalseAndKeepsWhatIsThere) {
    CXmlDoc doc;
    doc.SetDoc("<r/>");
    EXPECT_FALSE(doc.SaveFile(platform::JoinPath(dir_, "no\\such\\dir.xml")));
    EXPECT_FALSE(doc.SaveFile(""));
    // The target is a folder with a file in it: nothing may replace it.
    std::string folder = platform::JoinPath(dir_, "taken");
    ASSERT_TRUE(platform::CreateDirectories(folder));
    std::string inside = Write("keep", "taken\\k.txt");
    EXPECT_FALSE(doc.SaveFile(folder));
    EXPECT_EQ(Read(inside), "keep");
    EXPECT_EQ(platform::ListDirectory(dir_).size(), 1u);  // no temporary file left over
}
