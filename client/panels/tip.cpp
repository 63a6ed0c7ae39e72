#include "client/panels/tip.h"

#include "client/panels/tip_dlg.h"

int ShowTip(QWidget* owner, const std::string& message) {
    CTipDlg tip(owner);
    tip.SetMessage(message, CTipDlg::kInformation);
    return tip.DoModal();
}
