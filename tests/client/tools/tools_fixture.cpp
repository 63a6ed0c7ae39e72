#include "tools_fixture.h"

#include "common/platform/code_page.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/query_runner.h"
#include "support/test_pictures.h"

void ToolsFixture::SetUp() {
    dir_ = platform::MakeTempDirectory("tools_panel_test");
    platform::SetProgramDirectoryForTesting(dir_);
    test_pictures::CopySkinPictures(QUORVEL_SOURCE_DIR, dir_);
    config_.programDirectory = dir_;
    answers_ = std::make_unique<ui::ScopedModalAnswers>();
}

void ToolsFixture::TearDown() {
    ui::DrainQueries();
    answers_.reset();
    platform::SetProgramDirectoryForTesting("");
    platform::RemoveDirectoryTree(dir_);
}

void ToolsFixture::UseHost(const std::string& host) {
    config_.serverBase = host;
    config_.hosts.productSite = host;
    config_.hosts.communityServer = host;
}

std::vector<std::string> ToolsFixture::Tips() const {
    std::vector<std::string> tips;
    for (const ui::ModalPrompt& prompt : answers_->Prompts())
        tips.push_back(platform::LocalToUtf8(prompt.message));
    return tips;
}
