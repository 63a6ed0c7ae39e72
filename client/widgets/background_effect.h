#pragma once
// Background effects of the rich-text label: solid fills, gradients and textures drawn
// from up to three colours (start, middle, end) and a granularity.
#include <QColor>
#include <QImage>
#include <QString>

namespace background_effect {

enum Effect {
    kSolid = 0,
    kHGradient,    // start to end, left to right
    kVGradient,    // start to end, top to bottom
    kHCGradient,   // start at both sides, end in the middle, horizontally
    kVCGradient,   // the same vertically
    k3HGradient,   // start, middle, end, left to right
    k3VGradient,   // start, middle, end, top to bottom
    kNoise,        // start colour with grain of +/- granularity
    kDiagShade,    // diagonal lines of the middle colour every `granularity` pixels
    kHShade,       // horizontal lines
    kVShade,       // vertical lines
    kHBump,        // lit from the middle, across
    kVBump,        // lit from the middle, down
    kSoftBump,     // lit from the centre, soft
    kHardBump,     // raised bevel, `granularity` pixels wide
    kMetal,        // brushed metal
    kTransparent,  // nothing painted
    kEffectCount
};

// The effect named as in the markup ("hgradient", "metal", ...); -1 when unknown.
int EffectFromName(const QString& name);

// An opaque picture of `size` with the effect; unknown effects paint solid.
QImage Paint(QSize size, int effect, QColor start, QColor middle, QColor end, int granularity);

}  // namespace background_effect
