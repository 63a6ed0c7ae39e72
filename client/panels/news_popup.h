#pragma once
// CNewsPopup: the small shaped window that announces the server's latest news item. It
// checks the news in the background (first 10 s after it is made, then every 60 s) and,
// when the item is new, remembers its time in config.xml first and then slides up from
// the bottom-right corner of the work area with the item's title and summary. 查看详细
// opens the item's page, 关闭 hides it; both go back to checking. While the client is
// offline its timers do nothing. The news request runs off the window thread.
#include <QBasicTimer>
#include <QDialog>

#include <functional>
#include <string>

#include "common/ui/skin_image.h"

class CColorLabel;
class CKbcBmp;
class DocumentSource;
class OnlineFlag;
namespace ui {
class ShellFacade;
}

class CNewsPopup : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 170;
    static constexpr int kIdTitle = 1039;
    static constexpr int kIdView = 1213;
    static constexpr int kIdSummary = 1214;
    static constexpr int kIdClose = 1215;

    // Periods of the check and the slide; tests shorten them.
    struct Timings {
        int firstCheckMs = 10000;
        int checkMs = 60000;
        int slideStepMs = 20;
        int slideStepPx = 10;
    };

    // The services must outlive the window (and `documents` the work of its queries).
    CNewsPopup(std::string programDirectory, DocumentSource& documents, const OnlineFlag& online,
               ui::ShellFacade& shell, const Timings& timings);
    CNewsPopup(std::string programDirectory, DocumentSource& documents, const OnlineFlag& online,
               ui::ShellFacade& shell);

    // Loads the skin. False when the background picture (or its shape) cannot be had.
    bool Initialise();
    // Starts checking: the first check comes after the first-check period.
    void Start();

    // Where the window system cannot put a window at a screen position (Wayland), an item
    // is announced through this instead (title, summary; GBK), when it is set. It returns
    // false when it could not announce it; the pop-up then shows where the compositor
    // puts it.
    void SetNotificationFallback(std::function<bool(const std::string&, const std::string&)> notify) {
        notify_ = std::move(notify);
    }

    const std::string& Link() const { return link_; }
    bool IsSliding() const { return slideTimer_.isActive(); }
    bool IsChecking() const { return checkTimer_.isActive(); }
    int SlideOffset() const { return slideOffset_; }

    // 查看详细 and 关闭.
    void View();
    void Close();

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CheckNews();
    void ShowItem(const std::string& time, const std::string& title, const std::string& summary,
                  const std::string& link);
    void SlideStep();
    void WaitForNextCheck();

    const std::string programDirectory_;
    DocumentSource& documents_;
    const OnlineFlag& online_;
    ui::ShellFacade& shell_;
    const Timings timings_;
    CSkinImage skin_;
    CColorLabel* title_;
    CColorLabel* summary_;
    CKbcBmp* view_;
    CKbcBmp* close_;
    QBasicTimer checkTimer_;
    QBasicTimer slideTimer_;
    int slideOffset_ = 0;
    std::string link_;
    std::function<bool(const std::string&, const std::string&)> notify_;
};
