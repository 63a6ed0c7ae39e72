// LoginInfo.xml and its backups are readable by their owner only, whatever the umask and
// whatever mode the file had before.
#include <sys/stat.h>

#include <string>

#include "client/core/login_request.h"
#include "login_info_fixture.h"
#include "support/umask_scope.h"

namespace {

class LoginInfoPrivacyTest : public LoginInfoTest {
protected:
    const std::string kIntact =
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Accounts>\r\n<LoginInfo>\r\n"
        "<AutoLogin UserName=\"\"/>\r\n<HistoryLogin UserName=\"bob\" Psw=\"\"/>\r\n"
        "</LoginInfo>\r\n</Accounts>\r\n";
};

TEST_F(LoginInfoPrivacyTest, ANewFileIsOwnerOnlyWhateverTheUmask) {
    for (mode_t mask : {022, 0, 077}) {
        UmaskScope scope(mask);
        platform::RemoveFile(Path());
        ASSERT_TRUE(CLoginRequest("amy", "pw", "", false).SaveAccount());
        EXPECT_EQ(Mode(), 0600u) << "umask " << mask;
    }
}

TEST_F(LoginInfoPrivacyTest, SavingOrForgettingTightensAWiderMode) {
    UmaskScope scope(022);
    Write(kIntact);
    ASSERT_EQ(Mode(), 0644u);
    ASSERT_TRUE(CLoginRequest("amy", "pw", "", false).SaveAccount());
    EXPECT_EQ(Mode(), 0600u);

    ASSERT_EQ(chmod(Path().c_str(), 0664), 0);
    ASSERT_TRUE(CLoginRequest("amy", "pw", "", false).ForgetPassword());
    EXPECT_EQ(Mode(), 0600u);
    // No temporary file is left beside it.
    EXPECT_EQ(platform::ListDirectory(dir_).size(), 1u);
}

TEST_F(LoginInfoPrivacyTest, TheBackupOfADamagedFileIsOwnerOnly) {
    UmaskScope scope(022);
    const std::string damaged = kIntact.substr(0, kIntact.size() / 2);
    Write(damaged);
    ASSERT_EQ(chmod(Path().c_str(), 0666), 0);
    ASSERT_TRUE(CLoginRequest("amy", "pw", "", false).SaveAccount());
    EXPECT_EQ(Mode(), 0600u);
    EXPECT_EQ(Mode(".bak"), 0600u);
    EXPECT_EQ(Read(".bak"), damaged);
}

TEST_F(LoginInfoPrivacyTest, AnUnreadableFileIsNeitherShownNorReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    Write(kIntact);
    ASSERT_EQ(chmod(Path().c_str(), 0), 0);
    EXPECT_TRUE(LoadRememberedAccounts().names.empty());
    EXPECT_FALSE(CLoginRequest("amy", "pw", "", false).SaveAccount());
    ASSERT_EQ(chmod(Path().c_str(), 0600), 0);
    EXPECT_EQ(Read(), kIntact);
}

}  // namespace
