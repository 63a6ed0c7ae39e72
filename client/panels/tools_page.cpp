#include "client/panels/tools_page.h"

#include "client/core/client_config.h"
#include "client/core/tool_forms.h"
#include "client/tools/calculator_panel.h"
#include "client/tools/expert_question_panel.h"
#include "client/tools/sms_request_panel.h"
#include "client/tools/web_page_panel.h"

CToolsPage::CToolsPage(PanelServices services, QWidget* parent)
    : CSkinPage(kDialogId,
                {{kLiveButton, "image\\dyxc.gif"},
                 {kQuestionButton, "image\\zxjl.gif"},
                 {kCalculatorButton, "image\\sjjs.gif"},
                 {kSmsButton, "image\\mrss.gif"},
                 {kAlmanacButton, "image\\hdjr.gif"}},
                kLiveButton, parent),
      services_(services) {}

void CToolsPage::CreatePanels() {
    const SiteHosts& hosts = services_.config.hosts;
    AddPanel(kLiveButton, new CWebPagePanel(CWebPagePanel::Kind::Live,
                                            HostUrl(hosts.communityServer, kLivePagePath), this));
    AddPanel(kQuestionButton, new CExpertQuestionPanel(services_.config, this));
    AddPanel(kCalculatorButton, new CCalculatorPanel(this));
    AddPanel(kSmsButton, new CSmsRequestPanel(services_.config, services_.shell, this));
    AddPanel(kAlmanacButton, new CWebPagePanel(CWebPagePanel::Kind::Almanac,
                                               HostUrl(hosts.productSite, kAlmanacPagePath), this));
}
