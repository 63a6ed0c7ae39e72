#pragma once
// Page 常用 over a program directory holding the skin pictures, with a memory document
// source and the services the main window would hand it (current stock code, online
// flag, last evaluation, search pop-up, a recording shell, a default configuration).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string>

#include "client/core/client_config.h"
#include "client/core/current_stock_code.h"
#include "client/core/online_flag.h"
#include "client/data/last_evaluation.h"
#include "client/panels/color_label.h"
#include "client/panels/diagnosis_members.h"
#include "client/panels/diagnosis_panel.h"
#include "client/panels/eval_page.h"
#include "client/panels/stock_search_popup.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/modal_hook.h"
#include "common/ui/recording_shell.h"
#include "support/memory_document_source.h"

class DiagnosisFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the page over `documents` (the memory source unless another is given).
    void MakePage(DocumentSource* documents = nullptr);
    // Presses the page button `id` and returns its diagnosis panel.
    CDiagnosisPanel* Open(int buttonId);
    // Types `code` into the panel's edit, presses 查询 and waits for the answer.
    void QueryIn(CDiagnosisPanel* panel, const std::string& code);
    static void WaitIdle(QWidget* widget);

    template <typename W>
    static W* Control(QWidget* window, int id) {
        W* widget = window->findChild<W*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }
    static std::string Text(QWidget* window, int id);

    // Serves every diagnosis document of `code` (verdicts "<folder> verdict").
    void ServeStock(const std::string& code, const char* utf8Name);

    MemoryDocumentSource docs_;
    CurrentStockCode current_;
    OnlineFlag online_;
    LastEvaluation lastEvaluation_;
    ui::RecordingShell shell_;
    ClientConfig config_;
    std::unique_ptr<CStockSearchPopup> popup_;
    std::unique_ptr<CEvalPage> page_;
    std::unique_ptr<ui::ScopedModalAnswers> answers_;

private:
    std::string dir_;
};

// The member of a page button.
const DiagnosisMember& Member(int buttonId);
