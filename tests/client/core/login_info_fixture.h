#pragma once
// A program directory of its own for tests of LoginInfo.xml (in memory when /dev/shm is
// there, since the fault tests save thousands of times).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <string>

#include "client/core/client_util.h"
#include "client/core/remembered_accounts.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

class LoginInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (platform::DirectoryExists("/dev/shm")) {
            std::string pattern = "/dev/shm/login_info_test-XXXXXX";
            if (mkdtemp(pattern.data())) dir_ = pattern;
        }
        if (dir_.empty()) dir_ = platform::MakeTempDirectory("login_info_test");
        ASSERT_FALSE(dir_.empty());
        platform::SetProgramDirectoryForTesting(dir_);
    }
    void TearDown() override {
        platform::SetProgramDirectoryForTesting("");
        platform::RemoveDirectoryTree(dir_);
    }
    std::string Path(const std::string& suffix = "") const {
        return platform::JoinPath(dir_, kLoginInfoFile) + suffix;
    }
    void Write(const std::string& text) {
        ASSERT_TRUE(platform::ReplaceFileAtomically(Path(), text));
    }
    std::string Read(const std::string& suffix = "") const {
        std::string text;
        platform::ReadWholeFile(Path(suffix), text);
        return text;
    }
    unsigned Mode(const std::string& suffix = "") const {
        struct stat st {};
        return stat(Path(suffix).c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
    }
    static std::string Encrypt(const std::string& s) { return CClientUtil().EncryptPassword(s); }

    std::string dir_;
};
