// Remembered accounts in LoginInfo.xml: reading, choosing the opening account, and the
// in-place edits of saving and forgetting.
#include <string>

#include "client/core/login_request.h"
#include "login_info_fixture.h"

namespace {

class LoginInfoEditTest : public LoginInfoTest {
protected:
    // AutoLogin A; history B (remembered) then A (remembered).
    std::string TwoAccounts() {
        return "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<KRClient>\r\n<LoginInfo>\r\n"
               "<AutoLogin UserName=\"alice\"/>\r\n"
               "<HistoryLogin UserName=\"bob\" Psw=\"" + Encrypt("bobpw") + "\"/>\r\n"
               "<HistoryLogin UserName=\"alice\" Psw=\"" + Encrypt("alicepw") + "\"/>\r\n"
               "</LoginInfo>\r\n</KRClient>\r\n";
    }
};

TEST_F(LoginInfoEditTest, ReadsAccountsInFileOrderWithDecryptedPasswords) {
    Write("<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<R><LoginInfo>"
          "<AutoLogin UserName=\"\"/>"
          "<HistoryLogin UserName=\"\xD5\xC5\xC8\xFD\" Psw=\"" + Encrypt("p&1") + "\"/>"
          "<HistoryLogin UserName=\"zed\" Psw=\"\"/>"
          "<HistoryLogin UserName=\"amy\" Psw=\"" + Encrypt("secret") + "\"/>"
          "</LoginInfo></R>");
    RememberedAccounts a = LoadRememberedAccounts();
    ASSERT_EQ(a.names, (std::vector<std::string>{"\xD5\xC5\xC8\xFD", "zed", "amy"}));
    EXPECT_EQ(a.passwords, (std::vector<std::string>{"p&1", "", "secret"}));
    EXPECT_EQ(a.autoLoginUser, "");
}

TEST_F(LoginInfoEditTest, MissingFileOrSkeletonGivesNoAccounts) {
    EXPECT_TRUE(LoadRememberedAccounts().names.empty());
    Write("<R><Other/></R>");
    EXPECT_TRUE(LoadRememberedAccounts().names.empty());
    InitialAccount chosen;
    EXPECT_FALSE(ChooseInitialAccount(LoadRememberedAccounts(), chosen));
}

TEST_F(LoginInfoEditTest, OpensWithAutomaticLoginAccountElseFirst) {
    Write(TwoAccounts());
    RememberedAccounts a = LoadRememberedAccounts();
    EXPECT_EQ(a.autoLoginUser, "alice");
    InitialAccount chosen;
    ASSERT_TRUE(ChooseInitialAccount(a, chosen));
    EXPECT_EQ(chosen.name, "alice");
    EXPECT_EQ(chosen.password, "alicepw");
    EXPECT_TRUE(chosen.autoLogin);

    a.autoLoginUser = "Alice";  // case-sensitive: no match, the first account, no timer
    ASSERT_TRUE(ChooseInitialAccount(a, chosen));
    EXPECT_EQ(chosen.name, "bob");
    EXPECT_EQ(chosen.password, "bobpw");
    EXPECT_FALSE(chosen.autoLogin);
}

TEST_F(LoginInfoEditTest, SavingANewUserAppendsOneElementThenOnlyRewritesPassword) {
    const std::string before = TwoAccounts();
    Write(before);
    ASSERT_TRUE(CLoginRequest("carol", "c1", "", false).SaveAccount());
    const std::string c1 = Encrypt("c1");
    std::string expected = before;
    const std::string anchor = "</LoginInfo>";
    expected.insert(expected.find(anchor),
                    "<HistoryLogin Psw=\"" + c1 + "\" UserName=\"carol\"/>\r\n");
    EXPECT_EQ(Read(), expected);

    ASSERT_TRUE(CLoginRequest("carol", "c2", "", false).SaveAccount());
    const std::string c2 = Encrypt("c2");
    expected.replace(expected.find(c1), c1.size(), c2);
    EXPECT_EQ(Read(), expected);
    EXPECT_EQ(LoadRememberedAccounts().names,
              (std::vector<std::string>{"bob", "alice", "carol"}));
}

TEST_F(LoginInfoEditTest, SavingUpdatesTheAutomaticLoginUser) {
    Write(TwoAccounts());
    // Another user without automatic login leaves alice's automatic login alone.
    ASSERT_TRUE(CLoginRequest("bob", "bobpw", "", false).SaveAccount());
    EXPECT_EQ(LoadRememberedAccounts().autoLoginUser, "alice");
    ASSERT_TRUE(CLoginRequest("bob", "bobpw", "", true).SaveAccount());
    EXPECT_EQ(LoadRememberedAccounts().autoLoginUser, "bob");
    ASSERT_TRUE(CLoginRequest("bob", "bobpw", "", false).SaveAccount());
    EXPECT_EQ(LoadRememberedAccounts().autoLoginUser, "");
    EXPECT_EQ(LoadRememberedAccounts().names.size(), 2u);
}

TEST_F(LoginInfoEditTest, ForgettingClearsOnlyThePasswordAndAddsNobody) {
    const std::string before = TwoAccounts();
    Write(before);
    EXPECT_FALSE(CLoginRequest("dave", "x", "", false).ForgetPassword());
    EXPECT_EQ(Read(), before);

    ASSERT_TRUE(CLoginRequest("alice", "alicepw", "", false).ForgetPassword());
    std::string expected = before;
    const std::string alice = Encrypt("alicepw");
    expected.erase(expected.find(alice), alice.size());
    expected.replace(expected.find("\"alice\""), 7, "\"\"");  // AutoLogin cleared
    EXPECT_EQ(Read(), expected);
    RememberedAccounts a = LoadRememberedAccounts();
    EXPECT_EQ(a.names, (std::vector<std::string>{"bob", "alice"}));
    EXPECT_EQ(a.passwords, (std::vector<std::string>{"bobpw", ""}));
}

TEST_F(LoginInfoEditTest, SkeletonIsCreatedWhenMissingAndAFileWithItIsUntouched) {
    ASSERT_TRUE(CLoginRequest("demo", "demo123", "", true).SaveAccount());
    // The first account stands behind AutoLogin, not inside it.
    EXPECT_NE(Read().find("<AutoLogin UserName=\"demo\"/>\r\n<HistoryLogin Psw=\"" +
                          Encrypt("demo123") + "\" UserName=\"demo\"/>\r\n</LoginInfo>"),
              std::string::npos)
        << Read();
    RememberedAccounts a = LoadRememberedAccounts();
    EXPECT_EQ(a.names, (std::vector<std::string>{"demo"}));
    EXPECT_EQ(a.passwords, (std::vector<std::string>{"demo123"}));
    EXPECT_EQ(a.autoLoginUser, "demo");

    // Reading, and forgetting a user who is not remembered, change no byte.
    const std::string intact = TwoAccounts();
    Write(intact);
    EXPECT_EQ(LoadRememberedAccounts().names.size(), 2u);
    EXPECT_FALSE(CLoginRequest("nobody", "x", "", false).ForgetPassword());
    EXPECT_EQ(Read(), intact);
    EXPECT_FALSE(platform::FileExists(Path(".bak")));
}

TEST_F(LoginInfoEditTest, AFileWithoutSkeletonKeepsItsEntriesAndABackup) {
    const std::string broken =
        "<R>\r\n<HistoryLogin UserName=\"bob\" Psw=\"" + Encrypt("bobpw") + "\"/>\r\n</R>\r\n";
    Write(broken);
    ASSERT_TRUE(CLoginRequest("eve", "evepw", "", false).SaveAccount());
    RememberedAccounts a = LoadRememberedAccounts();
    EXPECT_EQ(a.names, (std::vector<std::string>{"bob", "eve"}));
    EXPECT_EQ(a.passwords, (std::vector<std::string>{"bobpw", "evepw"}));
    std::string backup;
    ASSERT_TRUE(platform::ReadWholeFile(Path() + ".bak", backup));
    EXPECT_EQ(backup, broken);
}

}  // namespace
