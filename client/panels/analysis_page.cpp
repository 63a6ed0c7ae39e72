#include "client/panels/analysis_page.h"

CAnalysisPage::CAnalysisPage(PanelServices services, QWidget* parent)
    : CSkinPage(kDialogId,
                {{1107, "image\\rmhy.gif"}, {1108, "image\\hyrg.gif"}, {1109, "image\\ssbk.gif"},
                 {1110, "image\\cwfx.gif"}},
                kHotIndustryButton, parent),
      services_(services) {}
