#pragma once
// The accounts the login window offers, read from LoginInfo.xml in the program directory:
// <root><LoginInfo><AutoLogin UserName=".."/><HistoryLogin UserName=".." Psw=".."/>...
// Names keep file order; passwords are decrypted (empty when not remembered).
#include <string>
#include <vector>

inline constexpr char kLoginInfoFile[] = "LoginInfo.xml";

struct RememberedAccounts {
    std::vector<std::string> names;
    std::vector<std::string> passwords;  // same index as names
    std::string autoLoginUser;           // AutoLogin's UserName, may be empty
};

// Reads the file; a missing file gives no accounts. A damaged one (not well-formed, or
// without <LoginInfo><AutoLogin/>) gives every entry that can be recovered from it,
// the same ones its next save keeps.
RememberedAccounts LoadRememberedAccounts(const std::string& fileName = kLoginInfoFile);

// What the login window puts into its controls when it opens.
struct InitialAccount {
    std::string name;
    std::string password;
    bool autoLogin = false;  // check 1090 and start the half-second timer
};

// The first remembered account, replaced by the automatic-login account when one is
// named and remembered. Nothing at all when there is no remembered account. A window
// opened by logout does not call this.
bool ChooseInitialAccount(const RememberedAccounts& accounts, InitialAccount& out);
