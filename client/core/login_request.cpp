#include "client/core/login_request.h"

#include <utility>

#include "client/core/client_util.h"
#include "client/core/login_info_file.h"
#include "common/platform/internet.h"

CLoginRequest::CLoginRequest(std::string userName, std::string password, std::string url,
                             bool autoLogin)
    : userName_(std::move(userName)),
      password_(std::move(password)),
      url_(std::move(url)),
      autoLogin_(autoLogin) {}

std::string ComposeLoginUrl(const std::string& loginPage, const std::string& userName,
                            const std::string& password, const std::string& mac,
                            const std::string& version) {
    CClientUtil util;
    return loginPage + "?uname=" + util.UrlEncode(userName) + "&pwd=" +
           util.UrlEncode(password) + "&mac=" + mac + "&ver=" + version;
}

bool IsLoginAccepted(const std::string& answer) {
    const size_t end = answer.find_first_of("\r\n");
    return answer.compare(0, end, kLoginAccepted) == 0 &&
           (end == std::string::npos ? answer.size() : end) == sizeof(kLoginAccepted) - 1;
}

bool CLoginRequest::Perform() {
    CClientUtil util;
    requestUrl_ = ComposeLoginUrl(url_, userName_, password_, util.GetMacAddress(),
                                  util.GetLocalVersion());
    std::string answer;
    const platform::FetchResult fetched = platform::FetchUrlAsText(requestUrl_, answer);
    if (!fetched.Ok()) {
        platform::LogFetchFailure(url_, fetched);
        outcome_ = fetched.outcome == platform::FetchOutcome::HttpError ? Outcome::ServerError
                                                                        : Outcome::TransferFailed;
        return false;
    }
    outcome_ = IsLoginAccepted(answer) ? Outcome::Accepted : Outcome::Refused;
    return outcome_ == Outcome::Accepted;
}

bool CLoginRequest::SaveAccount(const std::string& fileName) {
    CLoginInfoFile info(fileName);
    CXmlFile& file = info.Xml();
    if (!file.Descend("AutoLogin")) return false;
    if (autoLogin_)
        file.SetAttr("UserName", userName_);
    else if (file.GetAttr("UserName") == userName_)
        file.SetAttr("UserName", "");
    file.Leave();

    CClientUtil util;
    const std::string cipher = util.EncryptPassword(password_);
    if (file.Locate("HistoryLogin", "UserName", userName_)) {
        file.SetAttr("Psw", cipher);
    } else {
        // A new user goes behind the last HistoryLogin, or behind AutoLogin when there is
        // none. Where a failed search stops is not that place when LoginInfo holds no
        // HistoryLogin yet (it stops inside AutoLogin), so find it explicitly.
        file.LeaveAll();
        if (!file.Descend("AutoLogin")) return false;
        while (file.FindNext("HistoryLogin")) {
        }
        file.AppendElem("HistoryLogin", "");
        file.SetAttr("UserName", userName_);
        file.SetAttr("Psw", cipher);
    }
    return info.Save();
}

bool CLoginRequest::ForgetPassword(const std::string& fileName) {
    CLoginInfoFile info(fileName);
    CXmlFile& file = info.Xml();
    if (file.Descend("AutoLogin")) {
        if (file.GetAttr("UserName") == userName_ && !autoLogin_) file.SetAttr("UserName", "");
        file.Leave();
    }
    if (!file.Locate("HistoryLogin", "UserName", userName_)) return false;
    file.SetAttr("Psw", "");
    return info.Save();
}
