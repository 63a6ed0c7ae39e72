// Loading a file: byte-order marks, the declared encoding, UTF-8 detection, UTF-16 and
// the conversion to the local code page, with notes on what was done in the result.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/platform/code_page.h"
#include "common/xml/xml_declared_encoding.h"
#include "common/xml/xml_doc.h"
#include "common/xml/xml_encoding.h"

namespace {

constexpr std::size_t kHeadSize = 1024;

struct ByteOrderMark {
    std::string_view bytes;
    const char* encoding;
    int flag;
};
constexpr ByteOrderMark kMarks[] = {
    {"\xEF\xBB\xBF", "UTF-8", kDocUtf8Mark},
    {"\xFF\xFE", "UTF-16LE", kDocUtf16LEMark},
    {"\xFE\xFF", "UTF-16BE", kDocUtf16BEMark},
};

std::string SystemMessage(int error) {
    std::string message = std::strerror(error);
    std::size_t eol = message.find_first_of("\r\n");
    if (eol != std::string::npos) message.resize(eol);
    return message;
}

std::string Note(const char* format, std::size_t n) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, static_cast<unsigned long long>(n));
    return buffer;
}

// Reads the whole file; false with errno set on failure.
bool ReadAll(std::FILE* file, std::string& out) {
    char buffer[65536];
    for (;;) {
        std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        out.append(buffer, n);
        if (n < sizeof buffer) return !std::ferror(file);
    }
}

struct Decoded {
    std::string text;
    std::string notes;
    XmlFileEncoding encoding;
};

void ReadUtf16(std::string_view body, bool bigEndian, Decoded& d) {
    std::size_t units = body.size() / 2;
    d.notes = Note("length %llu ", units);
    std::u16string wide;
    wide.reserve(units);
    std::size_t nulls = 0;
    for (std::size_t i = 0; i < units; ++i) {
        unsigned char a = static_cast<unsigned char>(body[2 * i]);
        unsigned char b = static_cast<unsigned char>(body[2 * i + 1]);
        char16_t unit = bigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a);
        if (unit == 0) ++nulls;
        else wide += unit;
    }
    if (nulls) d.notes += Note("(%llu nulls removed) ", nulls);
    if (bigEndian) d.notes += "endian swap ";
    bool lost = false;
    platform::WideToMultiByte(platform::kCodePageAnsi, wide, d.text, &lost);
    d.notes += Note("to %llu bytes ", d.text.size());
    if (lost) d.notes += "(chars lost in conversion!) ";
    d.encoding.form = XmlFileEncoding::kCodePage;
    d.encoding.codePage = bigEndian ? platform::kCodePageUtf16BE : platform::kCodePageUtf16LE;
}

// 8-bit text (and UTF-32, and UTF-16 declared without a mark).
void ReadBytes(std::string_view body, bool encodingFound, std::string& encodingName,
               Decoded& d) {
    d.notes = Note("length %llu ", body.size());
    std::optional<unsigned> codePage =
        encodingFound ? xml::EncodingCodePage(encodingName) : std::nullopt;
    if (codePage && xml::DiffersFromLocal(*codePage)) {
        bool bigEndian = false;
        if (*codePage == platform::kCodePageUtf32 && body.size() >= 4 && body[0] == '\0' &&
            body[1] == '\0' && (body[2] != '\0' || body[3] != '\0')) {
            bigEndian = true;
            if (body.substr(0, 4) == std::string_view("\0\0\xFE\xFF", 4)) {
                d.encoding.mark.assign(body.substr(0, 4));
                body.remove_prefix(4);
            }
        }
        bool lost = false;
        if (xml::ToLocal(*codePage, bigEndian, body, d.text, &lost)) {
            d.notes += Note("to length %llu ", d.text.size());
            if (lost) d.notes += "(chars lost in conversion!) ";
            if (*codePage == platform::kCodePageUtf32)
                d.encoding.form = bigEndian ? XmlFileEncoding::kUtf32BE : XmlFileEncoding::kUtf32LE;
            else
                d.encoding.form = XmlFileEncoding::kCodePage;
            d.encoding.codePage = *codePage;
            return;
        }
    }
    d.text.assign(body);
    if (encodingFound) return;
    bool nonAscii = false;
    if (xml::LooksLikeUtf8(body, &nonAscii) && nonAscii) {
        encodingName = "UTF-8";
        bool lost = false;
        platform::ConvertCodePage(platform::kCodePageUtf8, platform::kCodePageAnsi, body, d.text,
                                  &lost);
        d.notes += Note("to length %llu ", d.text.size());
        if (lost) d.notes += "(chars lost in conversion!) ";
        d.encoding.form = XmlFileEncoding::kCodePage;
        d.encoding.codePage = platform::kCodePageUtf8;
    }
    d.notes += "(used UTF-8 detection) ";
}

}  // namespace

bool CXmlDoc::LoadFile(const std::string& path) {
    Clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        result_ = SystemMessage(errno);
        return false;
    }
    docFlags_ |= kDocReadFile;
    std::string raw;
    if (!ReadAll(file.get(), raw)) {
        result_ = SystemMessage(errno ? errno : EIO);
        return false;
    }
    file.reset();

    std::string_view head = std::string_view(raw).substr(0, kHeadSize);
    std::string encodingName;
    bool encodingFound = false;
    const ByteOrderMark* mark = nullptr;
    for (const ByteOrderMark& m : kMarks) {
        if (head.substr(0, m.bytes.size()) == m.bytes) {
            mark = &m;
            break;
        }
    }
    if (mark) {
        docFlags_ |= mark->flag;
        encodingName = mark->encoding;
        encodingFound = true;
    } else if (std::optional<std::string> declared = xml::FindDeclaredEncoding(head)) {
        encodingName = *declared;
        encodingFound = true;
    } else if (!head.empty() && head[0] == '<') {
        encodingName = "UTF-8";
        encodingFound = true;
    }

    std::string_view body = std::string_view(raw).substr(mark ? mark->bytes.size() : 0);
    Decoded decoded;
    if (body.empty()) {
        decoded.notes = "0 length ";
    } else if (mark && mark->flag != kDocUtf8Mark) {
        ReadUtf16(body, mark->flag == kDocUtf16BEMark, decoded);
    } else {
        ReadBytes(body, encodingFound, encodingName, decoded);
    }
    if (mark) {
        decoded.encoding.mark.assign(mark->bytes);
        if (decoded.encoding.form == XmlFileEncoding::kAsHeld) {
            // Nothing behind the mark: a save still writes the marked encoding.
            decoded.encoding.form = XmlFileEncoding::kCodePage;
            decoded.encoding.codePage = mark->flag == kDocUtf8Mark     ? platform::kCodePageUtf8
                                        : mark->flag == kDocUtf16BEMark ? platform::kCodePageUtf16BE
                                                                        : platform::kCodePageUtf16LE;
        }
    }

    text_ = std::move(decoded.text);
    fileEncoding_ = std::move(decoded.encoding);
    result_ = encodingName.empty() ? std::string("ANSI") : encodingName;
    if (mark) result_ += " BOM +";
    result_ += ' ';
    result_ += decoded.notes;
    Parse();
    return IsWellFormed();
}
