#pragma once
// CVerdictPanel: a diagnosis panel showing one verdict of the server for a stock: the
// stock, the time of the evaluation (1070) and the verdict text (1071), with captions
// 1198 and 1199 and an explanatory note (1200) under it. The eight members differ only
// in their server folder, verdict colour and note (VerdictPanelKind).
#include "client/panels/diagnosis_panel.h"
#include "client/panels/diagnosis_members.h"

class CColorLabel;

class CVerdictPanel : public CDiagnosisPanel {
    Q_OBJECT
public:
    static constexpr int kTimeId = 1070;
    static constexpr int kVerdictId = 1071;
    static constexpr int kTimeCaptionId = 1198;
    static constexpr int kVerdictCaptionId = 1199;
    static constexpr int kNoteId = 1200;

    CVerdictPanel(const DiagnosisMember& member, PanelServices services, QWidget* parent = nullptr);

    CColorLabel* TimeLabel() const { return time_; }
    CColorLabel* VerdictLabel() const { return verdict_; }
    CColorLabel* NoteLabel() const { return note_; }

protected:
    void StartQuery() override;
    // The text the verdict label shows for the record's message (GBK): the message itself.
    virtual std::string VerdictText(const std::string& message) const { return message; }

private:
    CColorLabel* time_ = nullptr;
    CColorLabel* verdict_ = nullptr;
    CColorLabel* note_ = nullptr;
};
