#pragma once
// One login attempt against the evaluation server, and the saving of the account that
// follows a successful one. Qt-free: the login window drives it.
#include <string>

#include "client/core/remembered_accounts.h"

// The first answer line that means the server accepted the user name and password.
inline constexpr char kLoginAccepted[] = "\xB5\xC7\xC2\xBD\xB3\xC9\xB9\xA6";  // 登陆成功

class CLoginRequest {
public:
    enum class Outcome {
        NotRun,
        Accepted,        // the first answer line was "登陆成功"
        Refused,         // a real answer, but not "登陆成功": a wrong name or password
        ServerError,     // the login page answered with an HTTP error (404, 500, ...)
        TransferFailed,  // no answer: no connection, a time-out, a broken transfer
    };

    // `url` is the login page ("http://" + server base + "/login.asp"); `autoLogin` is
    // the state of the automatic-login check box when the attempt started.
    CLoginRequest(std::string userName, std::string password, std::string url,
                  bool autoLogin);

    // Sends uname, pwd, mac and ver (in this order) and reads the first answer line.
    // True exactly when that line is "登陆成功". Blocks while the server is asked; a
    // failure is logged with the login page's address (never the query, which holds the
    // password) and why.
    bool Perform();
    Outcome LastOutcome() const { return outcome_; }
    // The full request URL of the last Perform.
    const std::string& RequestUrl() const { return requestUrl_; }

    // Remember password checked: store the encrypted password (appending the user when
    // new) and update the automatic-login user. Result of saving the file, which is
    // written 0600; a damaged file is first backed up and rebuilt from what it still
    // holds (CLoginInfoFile).
    bool SaveAccount(const std::string& fileName = kLoginInfoFile);
    // Remember password unchecked: clear the stored password of a remembered user; a
    // user who is not remembered is not added.
    bool ForgetPassword(const std::string& fileName = kLoginInfoFile);

private:
    std::string userName_;
    std::string password_;
    std::string url_;
    bool autoLogin_;
    std::string requestUrl_;
    Outcome outcome_ = Outcome::NotRun;
};

// The login URL with its query: page + "?uname=" + user + "&pwd=" + password + "&mac=" +
// mac + "&ver=" + version. User name and password are URL-encoded so that '&', '#', '%',
// '+' or a blank in them cannot break the query; the server decodes them back to the
// bytes typed. The MAC address (hex pairs and colons) and the version go as they are.
std::string ComposeLoginUrl(const std::string& loginPage, const std::string& userName,
                            const std::string& password, const std::string& mac,
                            const std::string& version);

// True when the first line of `answer` (up to CR or LF) is exactly "登陆成功".
bool IsLoginAccepted(const std::string& answer);
