#include "client/panels/tools_page.h"

CToolsPage::CToolsPage(PanelServices services, QWidget* parent)
    : CSkinPage(kDialogId,
                {{1097, "image\\dyxc.gif"}, {1098, "image\\zxjl.gif"}, {1099, "image\\sjjs.gif"},
                 {1100, "image\\mrss.gif"}, {1101, "image\\hdjr.gif"}},
                kLiveButton, parent),
      services_(services) {}
