#include "client/core/remembered_accounts.h"

#include "client/core/client_util.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/xml/xml_file.h"

RememberedAccounts LoadRememberedAccounts(const std::string& fileName) {
    RememberedAccounts accounts;
    CXmlFile file(fileName);
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

namespace {

constexpr char kSkeleton[] =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n"
    "<KRClient>\r\n"
    "<LoginInfo>\r\n"
    "<AutoLogin UserName=\"\"/>\r\n"
    "</LoginInfo>\r\n"
    "</KRClient>\r\n";

struct StoredEntry {
    std::string name;
    std::string cipher;
};

bool HasSkeleton(CXmlFile& file) {
    if (!file.Descend("LoginInfo")) return false;
    return file.Descend("AutoLogin");
}

}  // namespace

bool EnsureLoginInfoSkeleton(const std::string& fileName) {
    const std::string path = platform::JoinPath(platform::ProgramDirectory(), fileName);
    std::vector<StoredEntry> entries;
    if (platform::FileExists(path)) {
        CXmlFile existing(fileName);
        if (HasSkeleton(existing)) return true;
        // Keep whatever the damaged file remembered.
        CXmlFile reader(fileName);
        if (reader.Descend("HistoryLogin")) {
            do {
                entries.push_back({reader.GetAttr("UserName"), reader.GetAttr("Psw")});
            } while (reader.FindNext("HistoryLogin"));
        }
        if (!platform::CopyFileOverwrite(path, path + ".bak")) return false;
    }
    if (!platform::ReplaceFileAtomically(path, kSkeleton)) return false;
    if (entries.empty()) return true;

    CXmlFile file(fileName);
    if (!file.Descend("AutoLogin")) return false;
    for (const StoredEntry& entry : entries) {
        file.AppendElem("HistoryLogin", "");
        file.SetAttr("UserName", entry.name);
        file.SetAttr("Psw", entry.cipher);
    }
    return file.Save();
}
