#pragma once
// CToolPanel: what the panels of page 辅助 share. Named by its dialog id and sized to the
// page's panel area, with no background of its own (the page shows through). Esc and
// Enter stop at the panel: a key meant for a field never closes the main window.
#include <QWidget>

class CToolPanel : public QWidget {
    Q_OBJECT
protected:
    CToolPanel(int dialogId, QWidget* parent);
    void keyPressEvent(QKeyEvent* event) override;
};
