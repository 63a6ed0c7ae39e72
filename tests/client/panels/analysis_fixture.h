#pragma once
// Page 分析 over the same staged program directory and services as page 常用's tests, with
// documents for its four panels.
#include <array>
#include <memory>
#include <string>

#include "client/panels/analysis_page.h"
#include "client/panels/column_list_ctrl.h"
#include "diagnosis_fixture.h"

class AnalysisFixture : public DiagnosisFixture {
protected:
    void TearDown() override;

    // Makes page 分析 over `documents` (the memory source unless another is given).
    void MakeAnalysisPage(DocumentSource* documents = nullptr);
    // Presses the page button `id`, waits for what it started, and returns its panel.
    QWidget* OpenAnalysis(int buttonId);
    // Presses the panel's 立即分析 and waits for the answer.
    void Act(QWidget* panel);
    // Types `code` into the panel's code edit, presses 立即分析 and waits.
    void ActOn(QWidget* panel, const std::string& code);

    // The texts of one list column, top to bottom.
    static std::vector<std::string> Column(const CColumnListCtrl* list, int column);

    // Serves the hot industries list: (name, change) pairs, UTF-8.
    void ServeHotIndustries(const std::vector<std::pair<const char*, const char*>>& industries);
    // Serves the sectors of `code`: (sector, kind, change) triples, UTF-8.
    void ServeSectors(const std::string& code, const char* name,
                      const std::vector<std::array<const char*, 3>>& sectors);
    // Serves a top-50 finance list whose earnings per share are scattered, some negative,
    // and one stock's own finance document.
    void ServeFinanceList();
    void ServeFinanceStock(const std::string& code, const char* name);

    std::unique_ptr<CAnalysisPage> analysis_;
};
