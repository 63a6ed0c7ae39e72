#pragma once
// CPendingPanel: stands where a panel of the page is still to come and says what it
// will hold, so its button shows something honest rather than nothing.
#include <QWidget>

class CColorLabel;

class CPendingPanel : public QWidget {
    Q_OBJECT
public:
    // `description` is UTF-8.
    CPendingPanel(int dialogId, const char* description, QWidget* parent = nullptr);

    CColorLabel* Description() const { return description_; }

private:
    CColorLabel* description_ = nullptr;
};
