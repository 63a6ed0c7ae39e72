#pragma once
// CEvalPage: page 常用 of the main window, the twelve evaluation and diagnosis buttons.
#include "client/panels/skin_page.h"

class CEvalPage : public CSkinPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 151;
    static constexpr int kComprehensiveButton = 1075;
    explicit CEvalPage(QWidget* parent = nullptr);
};
