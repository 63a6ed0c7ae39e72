// The login request's URL and the rule for the server's answer.
#include <gtest/gtest.h>

#include "client/core/login_request.h"

namespace {

const std::string kOk = kLoginAccepted;

TEST(LoginUrl, ParametersInOrderWithMacAsItIs) {
    EXPECT_EQ(ComposeLoginUrl("http://h/kr/login.asp", "demo", "demo123", "00:1A:2B:3C:4D:5E",
                              "1.0.0"),
              "http://h/kr/login.asp?uname=demo&pwd=demo123&mac=00:1A:2B:3C:4D:5E&ver=1.0.0");
}

TEST(LoginUrl, CharactersThatWouldBreakTheQueryAreEscaped) {
    EXPECT_EQ(ComposeLoginUrl("http://h/login.asp", "\xD5\xC5 \xC8\xFD", "a&b #%+c", "", ""),
              "http://h/login.asp?uname=%D5%C5+%C8%FD&pwd=a%26b+%23%25%2Bc&mac=&ver=");
}

TEST(LoginAnswer, OnlyAnExactFirstLineCounts) {
    EXPECT_TRUE(IsLoginAccepted(kOk));
    EXPECT_TRUE(IsLoginAccepted(kOk + "\r\n"));
    EXPECT_TRUE(IsLoginAccepted(kOk + "\r\n<html>more</html>\r\n"));
    EXPECT_FALSE(IsLoginAccepted(""));
    EXPECT_FALSE(IsLoginAccepted("\r\n" + kOk));
    EXPECT_FALSE(IsLoginAccepted(" " + kOk));
    EXPECT_FALSE(IsLoginAccepted(kOk + "!"));
    EXPECT_FALSE(IsLoginAccepted(kOk.substr(0, 4)));
    EXPECT_FALSE(IsLoginAccepted("\xEF\xBB\xBF" + kOk));
}

}  // namespace
