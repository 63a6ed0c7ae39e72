#include "client/panels/eval_page.h"

CEvalPage::CEvalPage(QWidget* parent)
    : CSkinPage(kDialogId,
                {{1075, "image\\zhpc.gif"}, {1076, "image\\yjyc.gif"}, {1077, "image\\zlpc.gif"},
                 {1078, "image\\cwpc.gif"}, {1079, "image\\dkpc.gif"}, {1080, "image\\zcpc.gif"},
                 {1081, "image\\ylpc.gif"}, {1082, "image\\rdpc.gif"}, {1083, "image\\gxpc.gif"},
                 {1084, "image\\jgpc.gif"}, {1085, "image\\topeyes-s.gif"},
                 {1086, "image\\topeyes-h.gif"}},
                kComprehensiveButton, parent) {}
