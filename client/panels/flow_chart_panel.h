#pragma once
// CFlowChartPanel: a diagnosis panel showing a stock's money flow as a bar chart (1071)
// under the code entry, with an explanatory note (1198). TOPEYES-S charts the buying
// amounts against the selling ones, TOPEYES-H its one series of holdings changes.
#include "client/panels/diagnosis_panel.h"
#include "client/panels/diagnosis_members.h"

class CBarChart;
class CColorLabel;

class CFlowChartPanel : public CDiagnosisPanel {
    Q_OBJECT
public:
    static constexpr int kChartId = 1071;
    static constexpr int kNoteId = 1198;

    CFlowChartPanel(const DiagnosisMember& member, PanelServices services, QWidget* parent = nullptr);

    CBarChart* Chart() const { return chart_; }
    CColorLabel* NoteLabel() const { return note_; }

protected:
    void StartQuery() override;

private:
    CBarChart* chart_ = nullptr;
    CColorLabel* note_ = nullptr;
};
