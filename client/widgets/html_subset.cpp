#include "client/widgets/html_subset.h"

#include <QColor>
#include <QDir>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <utility>

#include "common/ui/color.h"

namespace html_subset {
namespace {

using Attributes = std::vector<std::pair<QString, QString>>;

struct Tag {
    QString name;  // lower case
    bool closing = false;
    bool selfClosing = false;
    Attributes attributes;
};

QString Attribute(const Attributes& attributes, const QString& name) {
    for (const auto& [key, value] : attributes) {
        if (key == name) return value;
    }
    return {};
}

bool HasAttribute(const Attributes& attributes, const QString& name) {
    for (const auto& entry : attributes) {
        if (entry.first == name) return true;
    }
    return false;
}

QString Escape(const QString& text) { return text.toHtmlEscaped(); }

// Parses the inside of "<...>" (without the brackets).
Tag ParseTag(QStringView body) {
    Tag tag;
    qsizetype i = 0;
    const qsizetype n = body.size();
    auto skipSpace = [&] {
        while (i < n && body[i].isSpace()) ++i;
    };
    skipSpace();
    if (i < n && body[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < n && !body[i].isSpace() && body[i] != u'/' && body[i] != u'>') ++i;
    tag.name = body.mid(nameStart, i - nameStart).toString().toLower();
    while (i < n) {
        skipSpace();
        if (i >= n) break;
        if (body[i] == u'/') {
            tag.selfClosing = true;
            ++i;
            continue;
        }
        const qsizetype keyStart = i;
        while (i < n && !body[i].isSpace() && body[i] != u'=' && body[i] != u'/') ++i;
        QString key = body.mid(keyStart, i - keyStart).toString().toLower();
        skipSpace();
        QString value;
        if (i < n && body[i] == u'=') {
            ++i;
            skipSpace();
            if (i < n && (body[i] == u'"' || body[i] == u'\'')) {
                const QChar quote = body[i++];
                const qsizetype valueStart = i;
                while (i < n && body[i] != quote) ++i;
                value = body.mid(valueStart, i - valueStart).toString();
                if (i < n) ++i;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !body[i].isSpace()) ++i;
                value = body.mid(valueStart, i - valueStart).toString();
            }
        }
        if (!key.isEmpty()) tag.attributes.emplace_back(std::move(key), std::move(value));
    }
    return tag;
}

// A font size of the subset as CSS: "12" and "12pt" are points, "12px" pixels, "+1"/"-1"
// and 1..7 HTML steps.
QString CssFontSize(const QString& raw) {
    const QString value = raw.trimmed().toLower();
    if (value.isEmpty()) return {};
    if (value.endsWith(u"pt") || value.endsWith(u"px") || value.endsWith(u"em") ||
        value.endsWith(u'%')) {
        return value;
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok) return {};
    static const char* const kSteps[] = {"x-small", "small", "medium", "large", "x-large",
                                         "xx-large", "xx-large"};
    if (value.startsWith(u'+') || value.startsWith(u'-')) {
        const int step = qBound(1, 3 + number, 7);
        return QString::fromLatin1(kSteps[step - 1]);
    }
    if (number >= 1 && number <= 7) return QString::fromLatin1(kSteps[number - 1]);
    if (number > 7) return QString::number(number) + QStringLiteral("pt");
    return {};
}

QString CssFontWeight(const QString& raw) {
    const QString value = raw.trimmed().toLower();
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok) return QString::number(qBound(100, (number + 50) / 100 * 100, 900));
    if (value == u"bold" || value == u"normal") return value;
    return {};
}

class Translator {
public:
    explicit Translator(const Options& options) : options_(options) {}

    Result Run(const QString& source) {
        qsizetype i = 0;
        const qsizetype n = source.size();
        while (i < n) {
            const QChar c = source[i];
            const bool opensTag = c == u'<' && i + 1 < n &&
                                  (source[i + 1].isLetter() || source[i + 1] == u'/' || source[i + 1] == u'!');
            if (opensTag) {
                if (source.mid(i, 4) == u"<!--") {
                    const qsizetype end = source.indexOf(u"-->", i + 4);
                    i = end < 0 ? n : end + 3;
                    continue;
                }
                const qsizetype end = source.indexOf(u'>', i + 1);
                if (end < 0) {
                    out_ += Escape(source.mid(i));
                    break;
                }
                EmitTag(ParseTag(QStringView(source).mid(i + 1, end - i - 1)));
                i = end + 1;
                continue;
            }
            if (c == u'<') {
                out_ += QStringLiteral("&lt;");
            } else if (c == u'>') {
                out_ += QStringLiteral("&gt;");
            } else if (c == u'&') {
                // Entities pass through (the document knows the HTML 4 names); a lone
                // ampersand is written as one.
                const qsizetype semi = source.indexOf(u';', i);
                const bool entity = semi > i + 1 && semi - i <= 10 &&
                                    std::all_of(source.begin() + i + 1, source.begin() + semi,
                                                [](QChar ch) { return ch.isLetterOrNumber() || ch == u'#'; });
                out_ += entity ? QStringLiteral("&") : QStringLiteral("&amp;");
            } else {
                out_ += c;
            }
            ++i;
        }
        while (openLinks_ > 0) {
            out_ += QStringLiteral("</a>");
            --openLinks_;
        }
        return {out_, std::move(links_), std::move(images_)};
    }

private:
    void EmitTag(const Tag& tag) {
        static const QHash<QString, QString> kRenamed = {
            {QStringLiteral("strike"), QStringLiteral("s")},
        };
        static const QStringList kPlain = {
            QStringLiteral("b"),    QStringLiteral("i"),     QStringLiteral("u"),
            QStringLiteral("s"),    QStringLiteral("sub"),   QStringLiteral("sup"),
            QStringLiteral("big"),  QStringLiteral("small"), QStringLiteral("pre"),
            QStringLiteral("code"), QStringLiteral("center"), QStringLiteral("h1"),
            QStringLiteral("h2"),   QStringLiteral("h3"),    QStringLiteral("h4"),
            QStringLiteral("h5"),   QStringLiteral("h6"),    QStringLiteral("p"),
            QStringLiteral("span"), QStringLiteral("body"),  QStringLiteral("font"),
            QStringLiteral("table"), QStringLiteral("tr"),   QStringLiteral("td"),
            QStringLiteral("th"),   QStringLiteral("strong"), QStringLiteral("em"),
            QStringLiteral("div"),  QStringLiteral("tt")};
        QString name = kRenamed.value(tag.name, tag.name);

        if (name == u"a") {
            EmitLink(tag);
            return;
        }
        if (name == u"br") {
            out_ += QStringLiteral("<br />");
            return;
        }
        if (name == u"hr") {
            if (!tag.closing) out_ += QStringLiteral("<hr />");
            return;
        }
        if (name == u"img" || name == u"icon" || name == u"bmp") {
            if (!tag.closing) EmitImage(tag.attributes);
            return;
        }
        if (!kPlain.contains(name)) return;  // unknown tags vanish, their text stays
        if (tag.closing) {
            out_ += QStringLiteral("</") + (name == u"font" ? QStringLiteral("span") : name) + u'>';
            return;
        }
        QStringList css;
        QString extra;
        if (name == u"font") {
            TranslateFontAttributes(tag.attributes, css, extra);
        } else if (name == u"table" || name == u"td" || name == u"th" || name == u"tr") {
            TranslateTableAttributes(tag.attributes, css, extra);
        } else {
            const QString align = Attribute(tag.attributes, QStringLiteral("align"));
            if (!align.isEmpty()) extra += QStringLiteral(" align=\"%1\"").arg(Escape(align));
        }
        const QString style = Attribute(tag.attributes, QStringLiteral("style"));
        if (!style.isEmpty() && style.contains(u':')) css << CssDeclarations(style);
        out_ += u'<' + (name == u"font" ? QStringLiteral("span") : name) + extra;
        if (!css.isEmpty()) out_ += QStringLiteral(" style=\"%1\"").arg(Escape(css.join(u"; ")));
        out_ += u'>';
    }

    void EmitLink(const Tag& tag) {
        if (tag.closing) {
            if (openLinks_ > 0) {
                out_ += QStringLiteral("</a>");
                --openLinks_;
            }
            return;
        }
        const int index = static_cast<int>(links_.size());
        links_.push_back({Attribute(tag.attributes, QStringLiteral("href")),
                          Attribute(tag.attributes, QStringLiteral("msg"))});
        const QString& declarations =
            index == options_.hoverIndex ? options_.hoverStyle : options_.linkStyle;
        out_ += QStringLiteral("<a href=\"qlink:%1\" style=\"%2\">")
                    .arg(index)
                    .arg(Escape(CssDeclarations(declarations)));
        ++openLinks_;
    }

    void EmitImage(const Attributes& attributes) {
        QString file = Attribute(attributes, QStringLiteral("file"));
        if (file.isEmpty()) file = Attribute(attributes, QStringLiteral("src"));
        if (file.isEmpty()) return;  // resource and handle images have no file here
        file.replace(u'\\', u'/');
        if (QDir::isRelativePath(file) && !options_.imageFolder.isEmpty()) {
            file = QDir(options_.imageFolder).filePath(file);
        }
        images_.push_back(file);
        out_ += QStringLiteral("<img src=\"%1\"").arg(Escape(file));
        for (const char* size : {"width", "height"}) {
            const QString value = Attribute(attributes, QString::fromLatin1(size));
            if (!value.isEmpty()) out_ += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(size), Escape(value));
        }
        out_ += QStringLiteral(" />");
    }

    static void TranslateFontAttributes(const Attributes& attributes, QStringList& css, QString&) {
        for (const auto& [key, value] : attributes) {
            if (key == u"face") {
                css << QStringLiteral("font-family:%1").arg(value);
            } else if (key == u"size") {
                if (const QString size = CssFontSize(value); !size.isEmpty()) css << QStringLiteral("font-size:") + size;
            } else if (key == u"color") {
                if (const QString colour = CssColor(value); !colour.isEmpty()) css << QStringLiteral("color:") + colour;
            } else if (key == u"bkgnd") {
                if (const QString colour = CssColor(value); !colour.isEmpty()) {
                    css << QStringLiteral("background-color:") + colour;
                }
            } else if (key == u"weight") {
                if (const QString weight = CssFontWeight(value); !weight.isEmpty()) {
                    css << QStringLiteral("font-weight:") + weight;
                }
            } else if (key == u"style" && !value.contains(u':')) {
                const QString lower = value.toLower();
                if (lower.contains(u"italic")) css << QStringLiteral("font-style:italic");
                if (lower.contains(u"bold")) css << QStringLiteral("font-weight:bold");
                if (lower.contains(u"underline")) css << QStringLiteral("text-decoration:underline");
                if (lower.contains(u"strike")) css << QStringLiteral("text-decoration:line-through");
            }
        }
    }

    static void TranslateTableAttributes(const Attributes& attributes, QStringList& css, QString& extra) {
        static const QStringList kKept = {QStringLiteral("cellpadding"), QStringLiteral("cellspacing"),
                                          QStringLiteral("rowspan"),     QStringLiteral("colspan"),
                                          QStringLiteral("border"),      QStringLiteral("align"),
                                          QStringLiteral("valign"),      QStringLiteral("width"),
                                          QStringLiteral("height"),      QStringLiteral("background")};
        QString background;
        QString borderColour;
        for (const auto& [key, value] : attributes) {
            if (kKept.contains(key)) {
                extra += QStringLiteral(" %1=\"%2\"").arg(key, Escape(value));
            } else if (key == u"bgcolor") {
                background = CssColor(value);
            } else if (key == u"bordercolor" || (key == u"bordercolordark" && borderColour.isEmpty()) ||
                       (key == u"bordercolorlight" && borderColour.isEmpty())) {
                borderColour = CssColor(value);
            } else if (key == u"borderstyle") {
                css << QStringLiteral("border-style:") + value.toLower();
            }
        }
        // A cell effect of "transparent" leaves the cell without a background; the
        // gradients and patterns cannot be drawn by the text engine and show their
        // start colour.
        if (Attribute(attributes, QStringLiteral("bgeffect")).compare(u"transparent", Qt::CaseInsensitive) == 0) {
            background.clear();
        }
        if (!background.isEmpty()) extra += QStringLiteral(" bgcolor=\"%1\"").arg(background);
        if (!borderColour.isEmpty()) css << QStringLiteral("border-color:") + borderColour;
        if (HasAttribute(attributes, QStringLiteral("border")) && borderColour.isEmpty() &&
            !css.join(u';').contains(u"border-style")) {
            css << QStringLiteral("border-style:solid");
        }
    }

    const Options& options_;
    QString out_;
    std::vector<Link> links_;
    std::vector<QString> images_;
    int openLinks_ = 0;
};

}  // namespace

QString CssColor(const QString& raw) {
    const QString value = raw.trimmed();
    if (value.isEmpty()) return {};
    bool ok = false;
    ui::ColorRef colour = 0;
    if (value.startsWith(u"0x", Qt::CaseInsensitive)) {
        colour = value.mid(2).toUInt(&ok, 16);
    } else if (value[0].isDigit()) {
        colour = value.toUInt(&ok, 10);
    } else {
        const QColor named = QColor::fromString(value);
        return named.isValid() ? value.toLower() : QString();
    }
    if (!ok) return {};
    return ui::ToQColor(colour).name();
}

QString CssDeclarations(const QString& declarations) {
    QStringList out;
    for (const QString& part : declarations.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(u':');
        if (colon < 0) continue;
        const QString property = part.left(colon).trimmed().toLower();
        QString value = part.mid(colon + 1).trimmed();
        if (property == u"color" || property == u"background-color" || property == u"border-color") {
            value = CssColor(value);
        } else if (property == u"font-size") {
            value = CssFontSize(value);
        } else if (property == u"font-weight") {
            value = CssFontWeight(value);
        }
        if (property.isEmpty() || value.isEmpty()) continue;
        out << property + u':' + value;
    }
    return out.join(QStringLiteral("; "));
}

Result Translate(const QString& source, const Options& options) {
    return Translator(options).Run(source);
}

int LinkIndexOfAnchor(const QString& anchor) {
    if (!anchor.startsWith(u"qlink:")) return -1;
    bool ok = false;
    const int index = anchor.mid(6).toInt(&ok);
    return ok ? index : -1;
}

}  // namespace html_subset
