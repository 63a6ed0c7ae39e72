// The windows place their controls where the skin's geometry table says: each control,
// found by its id, has exactly its area's rectangle, and each skinned window the size
// of its picture.
#include <QApplication>
#include <QLabel>
#include <QtTest/QTest>

#include <utility>
#include <vector>

#include "client/app/about_dlg.h"
#include "client/app/control_ids.h"
#include "client/app/login_dlg.h"
#include "client/app/main_dlg.h"
#include "client/app/shell_fixture.h"
#include "client/panels/skin_page.h"
#include "client/panels/tip_dlg.h"
#include "common/skin/about_layout.h"
#include "common/skin/login_layout.h"
#include "common/skin/main_layout.h"
#include "common/skin/page_layout.h"
#include "common/skin/tip_layout.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/skin_place.h"

namespace {

using Placements = std::vector<std::pair<int, const skin::Area*>>;

QSize SizeOf(const skin::Picture& picture) { return QSize(picture.size.w, picture.size.h); }

// Every widget named `id` that belongs to `window` (a placeholder and the control made over
// it share the id). Ids are unique within one dialog only: the pages inside the main window
// have their own, and a page's panels reuse some of the main window's (1072 to 1074).
QList<QWidget*> ControlsNamed(const QWidget& window, int id) {
    QList<QWidget*> own;
    for (QWidget* widget : window.findChildren<QWidget*>(QString::number(id))) {
        const QWidget* owner = widget->parentWidget();
        while (owner && owner != &window && !qobject_cast<const CSkinPage*>(owner)) owner = owner->parentWidget();
        if (owner == &window) own.push_back(widget);
    }
    return own;
}

void ExpectPlaced(const QWidget& window, int id, const skin::Rect& rect, const char* name) {
    const QList<QWidget*> found = ControlsNamed(window, id);
    ASSERT_FALSE(found.isEmpty()) << "control " << id << " (" << name << ")";
    for (const QWidget* widget : found) EXPECT_EQ(widget->geometry(), ui::ToQRect(rect)) << "control " << id << " (" << name << ")";
}

void ExpectPlaced(const QWidget& window, const Placements& placements) {
    for (const auto& [id, area] : placements) ExpectPlaced(window, id, area->rect, area->name);
}

const QLabel* LabelWithText(const QWidget& window, const QString& text) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text) return label;
    return nullptr;
}

class WindowPlacementTest : public ShellFixture {};

}  // namespace

TEST_F(WindowPlacementTest, LoginWindow) {
    namespace layout = skin::login;
    CLoginDlg login(config_, session_, shell_);
    ASSERT_TRUE(login.IsSkinned());
    EXPECT_EQ(login.size(), SizeOf(layout::kPicture));
    ExpectPlaced(login, {{ids::kUserName, &layout::kUserName},
                         {ids::kPassword, &layout::kPassword},
                         {ids::kRememberPassword, &layout::kRemember},
                         {ids::kAutoLogin, &layout::kAutoLogin},
                         {ids::kLoginButton, &layout::kLoginButton},
                         {ids::kGuestButton, &layout::kGuestButton},
                         {ids::kMinimise, &layout::kMinimise},
                         {ids::kClose, &layout::kClose},
                         {ids::kForgotPasswordLink, &layout::kForgotLink},
                         {ids::kRegisterLink, &layout::kRegisterLink},
                         {ids::kStatus, &layout::kStatus}});
    const QLabel* nameCaption = LabelWithText(login, QStringLiteral("用户名："));
    const QLabel* passwordCaption = LabelWithText(login, QStringLiteral("密  码："));
    ASSERT_NE(nameCaption, nullptr);
    ASSERT_NE(passwordCaption, nullptr);
    EXPECT_EQ(nameCaption->geometry(), ui::ToQRect(layout::kNameCaption.rect));
    EXPECT_EQ(passwordCaption->geometry(), ui::ToQRect(layout::kPasswordCaption.rect));
}

TEST_F(WindowPlacementTest, MainWindowAndItsPages) {
    namespace layout = skin::main_window;
    session_.LogIn("demo", "demo123");
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(main.IsSkinned());
    EXPECT_EQ(main.size(), SizeOf(layout::kPicture));
    ExpectPlaced(main, {{ids::kPagePlaceholder, &layout::kPageArea},
                        {ids::kEvalPageButton, &layout::kEvalPageButton},
                        {ids::kAnalysisPageButton, &layout::kAnalysisPageButton},
                        {ids::kToolsPageButton, &layout::kToolsPageButton},
                        {ids::kMinimise, &layout::kMinimise},
                        {ids::kClose, &layout::kClose},
                        {ids::kHistoryCaption, &layout::kHistoryCaption},
                        {ids::kHistoryText, &layout::kHistoryText},
                        {ids::kWebStrip, &layout::kWebStrip},
                        {ids::kAdPlaceholder1, &layout::kAd1},
                        {ids::kAdPlaceholder2, &layout::kAd2},
                        {ids::kLogoutLink, &layout::kLogoutLink},
                        {ids::kVersionLine, &layout::kVersionLine},
                        {ids::kUpgradeLink, &layout::kUpgradeLink},
                        {ids::kComplaintLink, &layout::kComplaintLink},
                        {ids::kGreeting, &layout::kGreeting},
                        {ids::kHomeLink, &layout::kHomeLink},
                        {ids::kAccountLink, &layout::kAccountLink},
                        {ids::kRecommendLink, &layout::kRecommendLink}});

    // Each page covers the page area; its buttons take the row's slots in order and its
    // panels stand in the panel area.
    for (int pageButton : {ids::kEvalPageButton, ids::kAnalysisPageButton, ids::kToolsPageButton}) {
        SCOPED_TRACE(pageButton);
        const CSkinPage* page = main.Page(pageButton);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->geometry(), ui::ToQRect(layout::kPageArea.rect));
        EXPECT_EQ(page->size(), SizeOf(skin::page::kPicture));
        ASSERT_LE(page->Buttons().size(), static_cast<std::size_t>(skin::page::kMaxButtons));
        for (std::size_t i = 0; i < page->Buttons().size(); ++i) {
            const CKbcBmp* button = page->Buttons()[i];
            ExpectPlaced(*page, button->objectName().toInt(), skin::page::ButtonSlot(static_cast<int>(i)), "slot");
        }
        ExpectPlaced(*page, CSkinPage::kPlaceholderId, skin::page::kPanelArea.rect, skin::page::kPanelArea.name);
    }
}

TEST_F(WindowPlacementTest, GuestGreetingTakesTheWholeChip) {
    session_.EnterAsGuest();
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(main.IsSkinned());
    ExpectPlaced(main, {{ids::kGreeting, &skin::main_window::kGreetingAlone}});
}

TEST_F(WindowPlacementTest, AboutWindow) {
    CAboutDlg about;
    EXPECT_EQ(about.size(), SizeOf(skin::about::kPicture));
    ExpectPlaced(about, {{ids::kAboutClose, &skin::about::kClose}});
}

TEST_F(WindowPlacementTest, TipWindowButtonsStandInTheirRow) {
    const skin::Rect row = skin::tip::kButtonRow.rect;
    for (CTipDlg::Style style : {CTipDlg::kInformation, CTipDlg::kQuestion}) {
        SCOPED_TRACE(static_cast<int>(style));
        CTipDlg tip;
        tip.SetMessage("x", style);
        ASSERT_TRUE(tip.InitDialog());
        EXPECT_EQ(tip.size(), SizeOf(skin::tip::kPicture));
        ExpectPlaced(tip, {{CTipDlg::kIdMessage, &skin::tip::kMessage}});
        int shown = 0;
        for (const CKbcBmp* button : {tip.OkCentreButton(), tip.OkLeftButton(), tip.CancelButton()}) {
            if (button->isHidden()) continue;
            ++shown;
            EXPECT_EQ(button->y(), row.y);
            EXPECT_TRUE(ui::ToQRect(row).contains(button->geometry())) << button->objectName().toStdString();
        }
        EXPECT_EQ(shown, style == CTipDlg::kInformation ? 1 : 2);
        if (style == CTipDlg::kQuestion) {
            EXPECT_EQ(tip.CancelButton()->x() - tip.OkLeftButton()->geometry().right() - 1, skin::tip::kButtonGap);
        }
    }
}
