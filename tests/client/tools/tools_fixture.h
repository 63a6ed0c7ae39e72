#pragma once
// The panels of page 辅助 over a program directory holding the skin pictures, with a
// configuration whose community server and product site are `Host()` (the sample server
// when one is started) and a recording shell. Tip windows are answered and recorded.
#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <string>

#include "client/core/client_config.h"
#include "common/ui/modal_hook.h"
#include "common/ui/recording_shell.h"

class ToolsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Points the configuration's sites at `host` ("127.0.0.1:PORT").
    void UseHost(const std::string& host);
    const std::string& ProgramDirectory() const { return dir_; }

    // The tips shown so far, as UTF-8.
    std::vector<std::string> Tips() const;

    template <typename W>
    static W* Control(QWidget* window, int id) {
        W* widget = window->findChild<W*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }

    ClientConfig config_;
    ui::RecordingShell shell_;
    std::unique_ptr<ui::ScopedModalAnswers> answers_;

private:
    std::string dir_;
};
