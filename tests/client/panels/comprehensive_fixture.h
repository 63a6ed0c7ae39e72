#pragma once
// Page 常用 (DiagnosisFixture) with comprehensive evaluation documents to serve: each
// evaluation slot is written from an EvaluationSlotDoc, whose defaults look like a real
// evaluation; tests change the texts they look at.
#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "client/panels/comprehensive_panel.h"
#include "diagnosis_fixture.h"

struct SiteEntryDoc {
    std::string name, count, link;  // UTF-8
};

struct EvaluationSlotDoc {
    std::string time = "2026-12-04";
    std::string total = "72.5";
    std::string verdict = "安全";
    std::array<std::string, 6> scores{"70", "65", "80", "55", "60", "75"};
    std::vector<std::string> fundamental{"12.50", "8.2%", "5.1%", "0.850", "6.20"};
    std::vector<std::string> market{"10.10", "10.05", "1203000", "1104000"};
    std::vector<std::string> technical{"+1.2%", "-0.5%", "9.80-10.40", "+2.1%"};
    std::vector<std::string> capital{"1000000", "5000000", "-2000000"};
    std::array<std::string, 5> categoryCounts{"3", "0", "12", "1", "2"};
    // Sites of every category: 政府类 gets these, the others their own (site names carry
    // the category number).
    std::array<std::vector<SiteEntryDoc>, 5> sites{{
        {{"新华网", "2", "http://gov/1"}, {"人民网", "1", "http://gov/2"}},
        {},
        {{"证券时报", "5", "http://pro/1"}, {"中国证券报", "4", "http://pro/2"}, {"上海证券报", "3", "http://pro/3"}},
        {{"股吧", "1", "http://bbs/1"}},
        {{"Kestrun财经", "2", "http://kr/1"}},
    }};
    std::string opinion = "浦发银行业绩稳健，短线可逢低关注。";

    // Every text empty, every element still there.
    static EvaluationSlotDoc Empty();
};

class ComprehensiveFixture : public DiagnosisFixture {
protected:
    // Serves the evaluation of `code` with its two slots, and the recommended stocks.
    void ServeEvaluation(const std::string& code, const char* utf8Name, const EvaluationSlotDoc& first,
                         const EvaluationSlotDoc& second);
    // Serves the forecast (folder YZYC) of `code`.
    void ServeForecast(const std::string& code, const char* utf8Name, const std::string& utf8Message);

    CComprehensivePanel* Panel() const { return page_->ComprehensivePanel(); }
    void Query(const std::string& code);

    // Calls `open`, which should show a modal window; `inspect` sees that window, which is
    // then closed. False when no modal window showed.
    static bool WithModal(const std::function<void()>& open, const std::function<void(QDialog*)>& inspect);
    static void ClickLink(QWidget* link);

    static std::string Utf8(QWidget* window, int id);
};
