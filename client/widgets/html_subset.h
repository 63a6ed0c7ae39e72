#pragma once
// Translates the rich-text label's HTML subset into the rich text QTextDocument reads.
//
// The subset writes colours as Windows COLORREF values ("0xBBGGRR", so 0xFF0000 is
// blue), sizes of `font` in points or HTML steps, images by `file`, and a few tags and
// attributes of its own (`strike`, `icon`, `bkgnd`, `bgmidcolor`, `bgeffect`, `msg`
// links). Everything QTextDocument can carry is mapped onto it; what it cannot (image
// resources from executables, gradient cell backgrounds) falls back to the nearest
// thing it can (nothing, the start colour).
#include <QString>

#include <vector>

namespace html_subset {

// A link of the source text, in order of appearance.
struct Link {
    QString href;     // the `href` attribute ("" when the link has none)
    QString message;  // the `msg` attribute
};

struct Options {
    QString linkStyle;    // declarations for links ("color:0xFF0000; text-decoration:none")
    QString hoverStyle;   // declarations for the link under the mouse
    int hoverIndex = -1;  // which link is under the mouse, -1 none
    QString imageFolder;  // where relative image files are found
};

struct Result {
    QString html;             // ready for QTextDocument::setHtml
    std::vector<Link> links;  // anchors are written href="qlink:<index>"
    std::vector<QString> images;  // image sources, as written into `html`
};

Result Translate(const QString& source, const Options& options);

// "qlink:<index>" back to the index; -1 for anything else.
int LinkIndexOfAnchor(const QString& anchor);

// A colour as written in the subset ("0xBBGGRR", "#RRGGBB", a name, a decimal COLORREF)
// as CSS ("#rrggbb" or the name); empty when it is not a colour.
QString CssColor(const QString& value);

// Style declarations of the subset as CSS QTextDocument reads: colours converted, bare
// font sizes taken as points.
QString CssDeclarations(const QString& declarations);

}  // namespace html_subset
