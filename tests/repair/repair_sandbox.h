#pragma once
// A throw-away installation for the repair tool's tests: sandbox/program is the program
// directory and sandbox/tmp the system's temporary folder (TMPDIR) while it lives, so a
// test can see every file a repair writes anywhere.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <map>
#include <string>

#include "common/platform/files.h"

class RepairSandbox {
public:
    RepairSandbox() {
        root_ = platform::MakeTempDirectory("quorvel-repair-test");
        program_ = root_ + "/program";
        platform::CreateDirectories(program_);
        platform::CreateDirectories(root_ + "/tmp");
        if (const char* old = getenv("TMPDIR")) oldTmp_ = old;
        setenv("TMPDIR", (root_ + "/tmp").c_str(), 1);
    }
    ~RepairSandbox() {
        if (oldTmp_.empty()) unsetenv("TMPDIR"); else setenv("TMPDIR", oldTmp_.c_str(), 1);
        platform::RemoveDirectoryTree(root_);
    }
    RepairSandbox(const RepairSandbox&) = delete;
    RepairSandbox& operator=(const RepairSandbox&) = delete;

    const std::string& Root() const { return root_; }
    const std::string& Program() const { return program_; }

    void Write(const std::string& relative, const std::string& text) const {
        const std::string path = program_ + "/" + relative;
        platform::CreateDirectories(std::filesystem::path(path).parent_path().string());
        ASSERT_TRUE(platform::ReplaceFileAtomically(path, text));
    }
    std::string Read(const std::string& relative) const {
        std::string text;
        platform::ReadWholeFile(program_ + "/" + relative, text);
        return text;
    }
    // Every file below the sandbox with its content, by path relative to the sandbox.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
            if (entry.is_directory()) continue;
            std::string text;
            platform::ReadWholeFile(entry.path().string(), text);
            files[std::filesystem::relative(entry.path(), root_).string()] = text;
        }
        return files;
    }

private:
    std::string root_;
    std::string program_;
    std::string oldTmp_;
};
