#pragma once
// Places widgets at the rectangles of the skin's geometry table (common/skin).
#include <QRect>
#include <QWidget>

#include "common/skin/skin_rect.h"

namespace ui {

inline QRect ToQRect(const skin::Rect& rect) { return QRect(rect.x, rect.y, rect.w, rect.h); }

// Gives `widget` the area's rectangle. An image button set up afterwards keeps the
// top-left corner and takes its picture's frame size, which the table matches.
inline void Place(QWidget* widget, const skin::Area& area) { widget->setGeometry(ToQRect(area.rect)); }

}  // namespace ui
