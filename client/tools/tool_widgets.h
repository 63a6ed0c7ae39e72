#pragma once
// Small builders the panels of page 辅助 share: coloured labels and line edits placed at
// their layout areas and named for tests.
#include <QString>

#include "common/skin/skin_rect.h"
#include "common/ui/color.h"

class CColorLabel;
class CKbcBmp;
class QLineEdit;
class QWidget;

namespace tool_widgets {

// A transparent label with `text` (UTF-8 or any QString) at `area`.
CColorLabel* AddLabel(QWidget* parent, const QString& text, ui::ColorRef colour,
                      const skin::Area& area);
// The same for text that wraps from the top-left corner down.
CColorLabel* AddWrappingLabel(QWidget* parent, const QString& text, ui::ColorRef colour,
                              const skin::Area& area);
// A line edit at `area`, its objectName `name` (a control id or a descriptive name).
QLineEdit* AddEdit(QWidget* parent, const QString& name, const skin::Area& area);
QLineEdit* AddEdit(QWidget* parent, const QString& name, const skin::Rect& rect);

// A skinned button at `area` drawing the strip `picture` ("image\\ljtj.gif") keyed on
// pure blue; `text` names it for tests and accessibility.
CKbcBmp* AddImageButton(QWidget* parent, const QString& name, const QString& text,
                        const skin::Area& area, const char* picture);

}  // namespace tool_widgets
