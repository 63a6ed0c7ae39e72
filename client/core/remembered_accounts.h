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

// Reads the file; a missing file or one without LoginInfo gives no accounts.
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

// Makes sure the file has the <LoginInfo><AutoLogin UserName=""/></LoginInfo> skeleton
// that saving relies on. A file that has it is not touched. A missing file is created.
// A file without it is kept as "<name>.bak" and rewritten with the skeleton followed by
// every HistoryLogin entry it held, so nothing remembered is lost.
bool EnsureLoginInfoSkeleton(const std::string& fileName = kLoginInfoFile);
