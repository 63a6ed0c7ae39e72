#pragma once
// CNewsDimensionDlg: the detail window of 消息面. Besides the table (the five site
// categories' counts per evaluation) its column captions are links (1055 to 1059): a click
// shows that category's site ranking in the group box (1054), captioned with the
// category, as up to ten numbered site lines (1060 to 1069), each a link to the site's
// page opened through the shell. It opens on 政府类.
#include <array>

#include "client/panels/dimension_detail_dlg.h"

class CHtmlLabel;
class QGroupBox;
namespace ui {
class ShellFacade;
}

class CNewsDimensionDlg : public CDimensionDetailDlg {
    Q_OBJECT
public:
    static constexpr int kGroupId = 1054;
    static constexpr int kFirstCategoryId = 1055;
    static constexpr int kFirstSiteLineId = 1060;
    static constexpr std::size_t kSiteLines = 10;

    CNewsDimensionDlg(const CComprehensiveEval& evaluation, ui::ShellFacade& shell,
                      QWidget* parent = nullptr);

    // Lists the site lines of category 0 (政府类) to 4 (Kestrun财经类).
    void ShowCategory(std::size_t category);

    QGroupBox* Group() const { return group_; }
    CHtmlLabel* CategoryLink(std::size_t category) const { return categoryLinks_[category]; }
    CHtmlLabel* SiteLineLabel(std::size_t index) const { return lines_[index]; }

private:
    std::array<SiteCategory, kSiteCategoryCount> categories_;
    std::array<CHtmlLabel*, kSiteCategoryCount> categoryLinks_{};
    std::array<CHtmlLabel*, kSiteLines> lines_{};
    QGroupBox* group_ = nullptr;
};
