// CHtmlCtl: placement over a placeholder and application links that never navigate.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "client/widgets/html_ctl.h"

namespace {

class RecordingHtmlCtl : public CHtmlCtl {
public:
    std::vector<std::string> commands;

protected:
    void OnAppCommand(const std::string& command) override { commands.push_back(command); }
};

}  // namespace

TEST(HtmlCtl, AppCommandsAreTheRestOfTheUrl) {
    EXPECT_EQ(CHtmlCtl::AppCommandOf("appplay:video1"), "video1");
    EXPECT_EQ(CHtmlCtl::AppCommandOf("app:open?x=1"), "open?x=1");
    EXPECT_EQ(CHtmlCtl::AppCommandOf("app:"), "");
    EXPECT_FALSE(CHtmlCtl::AppCommandOf("http://app:80/").has_value());
    EXPECT_FALSE(CHtmlCtl::AppCommandOf("application:x").has_value());
}

TEST(HtmlCtl, ReplacesItsPlaceholder) {
    QWidget dialog;
    auto* placeholder = new QLabel(&dialog);
    placeholder->setObjectName("1100");
    placeholder->setGeometry(5, 6, 300, 120);
    CHtmlCtl view;
    EXPECT_FALSE(view.CreateFromStatic(1200, &dialog));
    ASSERT_TRUE(view.CreateFromStatic(1100, &dialog));
    EXPECT_EQ(view.geometry(), QRect(5, 6, 300, 120));
    EXPECT_EQ(view.parentWidget(), &dialog);
    EXPECT_EQ(dialog.findChild<QWidget*>("1100"), &view);
    view.setParent(nullptr);  // owned by the test, as a dialog member would be
}

TEST(HtmlCtl, OverPlaceholderMakesTheViewInOneStep) {
    QWidget dialog;
    auto* placeholder = new QLabel(&dialog);
    placeholder->setObjectName("1188");
    placeholder->setGeometry(12, 523, 823, 78);
    EXPECT_EQ(CHtmlCtl::OverPlaceholder(1200, &dialog), nullptr);
    EXPECT_TRUE(dialog.findChildren<CHtmlCtl*>().isEmpty());  // nothing left behind
    CHtmlCtl* view = CHtmlCtl::OverPlaceholder(1188, &dialog);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget(), &dialog);
    EXPECT_EQ(view->geometry(), QRect(12, 523, 823, 78));
    EXPECT_EQ(dialog.findChild<QWidget*>("1188"), view);
}

TEST(HtmlCtl, ApplicationLinksAreSwallowed) {
    RecordingHtmlCtl view;
    view.resize(300, 200);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.setHtml(R"(<html><body style="margin:0"><a id="a" href="app:refresh" style="display:block;height:40px">a</a>
                    <a id="p" href="appplay:clip7" style="display:block;height:40px">p</a></body></html>)",
                 QUrl("about:blank"));
    ASSERT_TRUE(loaded.wait(20000));
    const QUrl before = view.url();
    QWidget* surface = view.focusProxy();
    ASSERT_NE(surface, nullptr);
    for (int y : {20, 60}) {
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(10, y));
        const size_t expected = y == 20 ? 1 : 2;
        for (int i = 0; i < 100 && view.commands.size() < expected; ++i) QTest::qWait(50);
    }
    ASSERT_EQ(view.commands.size(), 2u);
    EXPECT_EQ(view.commands[0], "refresh");
    EXPECT_EQ(view.commands[1], "clip7");
    EXPECT_EQ(view.url(), before);
}
