#include "client/panels/news_dimension_dlg.h"

#include <QGroupBox>
#include <QLabel>

#include "client/core/gbk.h"
#include "client/data/site_lines.h"
#include "client/panels/dimension_details.h"
#include "client/panels/panel_link.h"
#include "client/widgets/html_label.h"
#include "common/skin/detail_layout.h"
#include "common/xml/xml_text_codec.h"
#include "common/ui/skin_place.h"

namespace {

namespace layout = skin::detail_window;

// Room under the table for the group box of site lines.
constexpr int kGap = layout::SiteGroup(0).Bottom();

}  // namespace

CNewsDimensionDlg::CNewsDimensionDlg(const CComprehensiveEval& evaluation, ui::ShellFacade& shell,
                                     QWidget* parent)
    : CDimensionDetailDlg(Dimension::News, evaluation, kGap, parent),
      categories_(evaluation.Block(EvalSlot::First, Dimension::News).categories) {
    const DimensionDetail& detail = DetailOf(Dimension::News);
    for (std::size_t c = 0; c < kSiteCategoryCount; ++c) {
        const int id = kFirstCategoryId + static_cast<int>(c);
        Caption(c + 1)->setObjectName(QString::number(id));
        CHtmlLabel* link = CHtmlLabel::CreateFromStatic(id, this);
        // Underlined from the start: the captions are the only way to the other categories.
        SetUpPanelLink(link, shell, Gbk(detail.captions[c]), CHtmlLabel::kNoNavigationUrl,
                       kPanelLabelPixelSize, true);
        link->SetAlign(CHtmlLabel::kAlignHCenter | CHtmlLabel::kAlignVCenter);
        connect(link, &CHtmlLabel::clicked, this, [this, c] { ShowCategory(c); });
        categoryLinks_[c] = link;
    }

    group_ = new QGroupBox(this);
    group_->setObjectName(QString::number(kGroupId));
    ui::Place(group_, {"", layout::SiteGroup(TableBottom())});
    for (std::size_t i = 0; i < kSiteLines; ++i) {
        auto* line = new CHtmlLabel(this);
        line->setObjectName(QString::number(kFirstSiteLineId + static_cast<int>(i)));
        ui::Place(line, {"", layout::SiteLine(TableBottom(), static_cast<int>(i))});
        SetUpPanelLink(line, shell, "", "");
        line->SetAlign(CHtmlLabel::kAlignLeft | CHtmlLabel::kAlignVCenter);
        lines_[i] = line;
    }
    ShowCategory(0);
}

void CNewsDimensionDlg::ShowCategory(std::size_t category) {
    if (category >= kSiteCategoryCount) return;
    for (CHtmlLabel* line : lines_) line->SetText(QString());
    group_->setTitle(QString::fromUtf8(DetailOf(Dimension::News).captions[category]));
    const std::vector<SiteLine> siteLines = SiteLines(categories_[category]);
    // Site names are server text: markup characters in them stay characters.
    for (std::size_t i = 0; i < siteLines.size() && i < kSiteLines; ++i)
        lines_[i]->SetHyperlink(xml::EncodeText(siteLines[i].text, false), siteLines[i].link);
    group_->hide();
    group_->show();
}
