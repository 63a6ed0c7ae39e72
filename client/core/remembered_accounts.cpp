#include "client/core/remembered_accounts.h"

#include "client/core/client_util.h"
#include "client/core/login_info_file.h"

RememberedAccounts LoadRememberedAccounts(const std::string& fileName) {
    RememberedAccounts accounts;
    CLoginInfoFile info(fileName);
    CXmlFile& file = info.Xml();
    if (!file.Descend("LoginInfo")) return accounts;
    if (file.Descend("AutoLogin")) {
        accounts.autoLoginUser = file.GetAttr("UserName");
        file.Leave();
    }
    CClientUtil util;
    if (!file.Descend("HistoryLogin")) return accounts;
    do {
        accounts.names.push_back(file.GetAttr("UserName"));
        std::string cipher = file.GetAttr("Psw");
        accounts.passwords.push_back(cipher.empty() ? std::string()
                                                    : util.DecryptPassword(cipher));
    } while (file.FindNext("HistoryLogin"));
    return accounts;
}

bool ChooseInitialAccount(const RememberedAccounts& accounts, InitialAccount& out) {
    if (accounts.names.empty()) return false;
    out = {accounts.names[0], accounts.passwords[0], false};
    if (accounts.autoLoginUser.empty()) return true;
    for (size_t i = 0; i < accounts.names.size(); ++i) {
        if (accounts.names[i] == accounts.autoLoginUser) {
            out = {accounts.names[i], accounts.passwords[i], true};
            break;
        }
    }
    return true;
}
