#pragma once
// A program directory for the client's windows: the skin pictures, config.xml pointing
// every host at the sample server, and the local XML files a test writes.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include <memory>
#include <string>

#include "client/core/client_config.h"
#include "client/core/session.h"
#include "client/data/document_source.h"
#include "common/ui/recording_shell.h"
#include "support/sample_server.h"

class ShellFixture : public ::testing::Test {
protected:
    // The control of `window` whose object name is `id`; a test failure when missing.
    template <typename W>
    static W* Control(QWidget& window, int id) {
        W* widget = window.findChild<W*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }

    void SetUp() override;
    void TearDown() override;

    // Writes a file into the program directory (GBK text as given).
    void WriteFile(const std::string& name, const std::string& text);
    std::string ReadFile(const std::string& name) const;
    // Points config.xml at `host` (a dead port shows a stopped server) and reads it into
    // config_, the configuration the windows of a test are given.
    void WriteConfig(const std::string& host);
    std::string DeadHost() const;

    static SampleServer& Server();
    const std::string& Dir() const { return dir_; }

    ClientConfig config_;
    Session session_;
    std::unique_ptr<ServerDocumentSource> documents_;
    // What the windows of a test ask of the desktop shell.
    ui::RecordingShell shell_;

private:
    std::string dir_;
};

// GBK from UTF-8 text, for comparing with what the windows show or record.
std::string G(const char* utf8);
