// The shell facade and the modal hook: what tests use to run windows unattended.
#include <gtest/gtest.h>

#include "common/ui/error_box.h"
#include "common/ui/modal_hook.h"
#include "common/ui/recording_shell.h"

using ui::ShellRequest;

TEST(ShellFacade, RecorderCapturesEveryKindOfRequest) {
    ui::RecordingShell recorder(false);
    EXPECT_FALSE(recorder.OpenUrl("http://127.0.0.1:8080/index.htm"));
    EXPECT_FALSE(recorder.OpenMail("support@example.com", "hello"));
    EXPECT_FALSE(recorder.StartProgram("/opt/q/krupdate", {"-x"}));
    const auto& requests = recorder.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].kind, ShellRequest::Kind::OpenUrl);
    EXPECT_EQ(requests[0].target, "http://127.0.0.1:8080/index.htm");
    EXPECT_EQ(requests[1].kind, ShellRequest::Kind::OpenMail);
    EXPECT_EQ(requests[1].arguments, std::vector<std::string>{"hello"});
    EXPECT_EQ(requests[2].kind, ShellRequest::Kind::StartProgram);
    EXPECT_EQ(requests[2].arguments, std::vector<std::string>{"-x"});
}

TEST(ShellFacade, EmptyTargetsAreRefusedBeforeReachingTheShell) {
    ui::RecordingShell recorder(true);
    EXPECT_FALSE(recorder.OpenUrl(""));
    EXPECT_FALSE(recorder.OpenMail(""));
    EXPECT_FALSE(recorder.StartProgram(""));
    EXPECT_TRUE(recorder.Requests().empty());
}

TEST(ModalHook, AnswersQueuedThenDefaultAndUnsetsOnScopeExit) {
    {
        ui::ScopedModalAnswers answers(ui::kIdOk);
        answers.Queue(ui::kIdCancel);
        EXPECT_EQ(ui::ModalHook::Answer({"CTipDlg", "Quorvel", "a", true}), ui::kIdCancel);
        EXPECT_EQ(ui::ModalHook::Answer({"CTipDlg", "Quorvel", "b", false}), ui::kIdOk);
        ui::ShowErrorBox("CPicture Error", "broken");
        ASSERT_EQ(answers.Prompts().size(), 3u);
        EXPECT_EQ(answers.Prompts()[1].message, "b");
        EXPECT_EQ(answers.Prompts()[2].caption, "CPicture Error");
    }
    EXPECT_FALSE(ui::ModalHook::IsSet());
    EXPECT_FALSE(ui::ModalHook::Answer({}).has_value());
}
