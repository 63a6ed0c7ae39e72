// A damaged LoginInfo.xml: every account it still holds whole survives a save, the login
// window offers them, and the damaged bytes are kept in a backup no later save overwrites.
#include <functional>
#include <string>
#include <vector>

#include "client/core/login_info_file.h"
#include "client/core/login_info_recovery.h"
#include "client/core/login_request.h"
#include "login_info_fixture.h"

namespace {

struct Account {
    std::string name;
    std::string password;
    std::size_t begin = 0;  // the element's bytes in the intact file: [begin, end)
    std::size_t end = 0;
};

// The fourth user every fault test saves.
constexpr char kNewUser[] = "dave";
constexpr char kNewPassword[] = "davepw";

class LoginInfoDamageTest : public LoginInfoTest {
protected:
    // Three accounts in the shapes the file meets: as the client writes them (Psw first),
    // as written by hand (UserName first), and a GBK name holding an entity.
    void SetUp() override {
        LoginInfoTest::SetUp();
        intact_ = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Accounts>\r\n<LoginInfo>\r\n";
        autoLoginBegin_ = intact_.size();
        intact_ += "<AutoLogin UserName=\"bob\"/>";
        autoLoginEnd_ = intact_.size();
        intact_ += "\r\n";
        Add("<HistoryLogin Psw=\"%\" UserName=\"alice\"/>", "alice", "alicepw");
        Add("<HistoryLogin UserName=\"bob\" Psw=\"%\"/>", "bob", "b&<pw");
        Add("<HistoryLogin Psw=\"%\" UserName=\"\xD5\xC5&amp;\xC8\xFD\"/>",
            "\xD5\xC5&\xC8\xFD", "zhang");
        intact_ += "</LoginInfo>\r\n</Accounts>\r\n";
    }

    void Add(std::string element, const std::string& name, const std::string& password) {
        element.replace(element.find('%'), 1, Encrypt(password));
        accounts_.push_back({name, password, intact_.size(), intact_.size() + element.size()});
        intact_ += element + "\r\n";
    }

    // Puts `damaged` in place of the file and saves the fourth user over it. Asserts:
    // - the save succeeds;
    // - the saved file reads back with every account `whole` says survived the fault
    //   (name and password), the new user, and the automatic-login user when its element
    //   survived;
    // - the saved file is intact again and has mode 0600;
    // - a file the fault damaged is kept byte for byte in LoginInfo.xml.bak (mode 0600)
    //   unless it was empty; a file that stayed intact gets no backup and is edited in
    //   place: the saved text is the faulty text plus the new user's element.
    void SaveOverFault(const std::string& damaged,
                       const std::function<bool(const Account&)>& whole, bool autoLoginWhole) {
        Write(damaged);
        const bool wasIntact =
            CLoginInfoFile(kLoginInfoFile).GetState() == CLoginInfoFile::State::Intact;
        ASSERT_TRUE(CLoginRequest(kNewUser, kNewPassword, "", false).SaveAccount());

        RememberedAccounts read = LoadRememberedAccounts();
        auto passwordOf = [&](const std::string& name) -> std::string {
            for (std::size_t i = 0; i < read.names.size(); ++i)
                if (read.names[i] == name) return read.passwords[i];
            return "(missing)";
        };
        for (const Account& account : accounts_)
            if (whole(account)) {
                EXPECT_EQ(passwordOf(account.name), account.password) << account.name;
            }
        EXPECT_EQ(passwordOf(kNewUser), kNewPassword);
        if (autoLoginWhole) {
            EXPECT_EQ(read.autoLoginUser, "bob");
        }
        EXPECT_EQ(CLoginInfoFile(kLoginInfoFile).GetState(), CLoginInfoFile::State::Intact);
        EXPECT_EQ(Mode(), 0600u);

        if (wasIntact) {
            EXPECT_FALSE(platform::FileExists(Path(".bak")));
            std::string saved = Read();
            const std::string added = "<HistoryLogin Psw=\"" + Encrypt(kNewPassword) +
                                      "\" UserName=\"" + kNewUser + "\"/>\r\n";
            const std::size_t at = saved.find(added);
            ASSERT_NE(at, std::string::npos);
            EXPECT_EQ(saved.erase(at, added.size()), damaged);
        } else if (!damaged.empty()) {
            EXPECT_EQ(Read(".bak"), damaged);
            EXPECT_EQ(Mode(".bak"), 0600u);
        }
        platform::RemoveFile(Path(".bak"));
    }

    std::string intact_;
    std::vector<Account> accounts_;
    std::size_t autoLoginBegin_ = 0, autoLoginEnd_ = 0;
};

TEST_F(LoginInfoDamageTest, EveryTruncationKeepsEveryAccountWrittenBeforeTheCut) {
    for (std::size_t cut = 0; cut < intact_.size() && !HasFailure(); ++cut) {
        SCOPED_TRACE("cut after " + std::to_string(cut) + " bytes");
        SaveOverFault(
            intact_.substr(0, cut), [&](const Account& a) { return a.end <= cut; },
            autoLoginEnd_ <= cut);
    }
}

TEST_F(LoginInfoDamageTest, EveryOneByteCorruptionKeepsEveryAccountItMissed) {
    // Bytes that change markup (quotes, tag brackets, declarations and other constructs
    // after '<'), a zero byte, and a GBK lead byte that pairs with the byte behind it.
    const std::string replacements("<>\"'/!?\0\xB0", 9);
    for (std::size_t pos = 0; pos < intact_.size() && !HasFailure(); ++pos) {
        for (char byte : replacements) {
            if (intact_[pos] == byte) continue;
            SCOPED_TRACE("byte " + std::to_string(pos) + " set to " +
                         std::to_string(static_cast<unsigned char>(byte)));
            std::string damaged = intact_;
            damaged[pos] = byte;
            auto missed = [&](std::size_t begin, std::size_t end) {
                return pos < begin || pos >= end;
            };
            SaveOverFault(
                damaged, [&](const Account& a) { return missed(a.begin, a.end); },
                missed(autoLoginBegin_, autoLoginEnd_));
            if (HasFailure()) break;
        }
    }
}

TEST_F(LoginInfoDamageTest, ALaterDamagedFileNeverOverwritesAnEarlierBackup) {
    const std::string first = intact_.substr(0, accounts_[1].end);  // cut after bob
    const std::string second = intact_.substr(0, accounts_[0].end);  // cut after alice
    Write(first);
    ASSERT_TRUE(CLoginRequest(kNewUser, kNewPassword, "", false).SaveAccount());
    Write(second);
    ASSERT_TRUE(CLoginRequest(kNewUser, kNewPassword, "", false).SaveAccount());
    EXPECT_EQ(Read(".bak"), first);
    EXPECT_EQ(Read(".bak1"), second);
    EXPECT_EQ(Mode(".bak1"), 0600u);

    // The same damage again is already kept: no third copy.
    Write(second);
    ASSERT_TRUE(CLoginRequest(kNewUser, kNewPassword, "", false).SaveAccount());
    EXPECT_FALSE(platform::FileExists(Path(".bak2")));
    EXPECT_EQ(LoadRememberedAccounts().names, (std::vector<std::string>{"alice", kNewUser}));
}

TEST_F(LoginInfoDamageTest, TheWindowOffersRecoveredAccountsWithoutWritingAnything) {
    const std::string damaged = intact_.substr(0, accounts_[1].end + 5);
    Write(damaged);
    RememberedAccounts read = LoadRememberedAccounts();
    EXPECT_EQ(read.names, (std::vector<std::string>{"alice", "bob"}));
    EXPECT_EQ(read.passwords, (std::vector<std::string>{"alicepw", "b&<pw"}));
    EXPECT_EQ(read.autoLoginUser, "bob");
    EXPECT_EQ(Read(), damaged);
    EXPECT_FALSE(platform::FileExists(Path(".bak")));
}

TEST_F(LoginInfoDamageTest, ForgettingOnADamagedFileClearsThePasswordItStillHolds) {
    const std::string damaged = intact_.substr(0, accounts_[2].end);  // end tags cut off
    Write(damaged);
    ASSERT_TRUE(CLoginRequest("bob", "", "", false).ForgetPassword());
    EXPECT_EQ(Read().find(Encrypt("b&<pw")), std::string::npos);
    RememberedAccounts read = LoadRememberedAccounts();
    EXPECT_EQ(read.names.size(), 3u);
    EXPECT_EQ(read.passwords, (std::vector<std::string>{"alicepw", "", "zhang"}));
    EXPECT_EQ(read.autoLoginUser, "");  // bob no longer logs in by himself
    EXPECT_EQ(Read(".bak"), damaged);
}

TEST(LoginInfoRecovery, TakesOnlyWholeTagsOutsideCommentsAndDecodesValues) {
    const std::string cipher(32, 'A');
    RecoveredLoginInfo got = RecoverLoginInfo(
        "<!-- <HistoryLogin UserName=\"commented\" Psw=\"\"/> -->"
        "<AutoLogin UserName='a&#38;b'/><AutoLogin UserName=\"second\"/>"
        "<HistoryLogin\tPsw='" + cipher + "'\r\n UserName=\"&lt;1&gt;\"/>"
        "<HistoryLogin UserName=\"2\" Psw=\"" + cipher + "\"></HistoryLogin>"
        // Lost quotes: the tokenizer closes such a tag at a '>' far behind, over other
        // tags. It is not taken; the whole tags it swallowed still are.
        "<HistoryLogin UserName=\"lost Psw=\"\"/>x<HistoryLogin UserName=\"3\"/>"
        "<HistoryLogin Psw=\"not a cipher\" UserName=\"4\"/>"
        "<HistoryLogin Psw=\"" + cipher + "\"/>"
        "<HistoryLogin UserName=\"span/><HistoryLogin UserName=\"5\"/>"
        "<HistoryLogin UserName=span\"/>"
        "<HistoryLogin UserName=\"cut\" Psw=\"");
    EXPECT_EQ(got.autoLoginUser, "a&b");
    std::vector<std::string> names, ciphers;
    for (const StoredLogin& entry : got.entries) {
        names.push_back(entry.name);
        ciphers.push_back(entry.cipher);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"<1>", "2", "3", "4", "5"}));
    EXPECT_EQ(ciphers, (std::vector<std::string>{cipher, cipher, "", "", ""}));
}

}  // namespace
