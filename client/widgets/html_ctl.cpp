#include "client/widgets/html_ctl.h"

#include <QWebEnginePage>

#include "common/ui/text.h"

// The page of a CHtmlCtl: hands application links to the control instead of loading them.
class CHtmlCtlPage : public QWebEnginePage {
public:
    CHtmlCtlPage(CHtmlCtl* control) : QWebEnginePage(control), control_(control) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        const std::string target = ui::FromQString(url.toString(QUrl::FullyEncoded));
        if (const auto command = CHtmlCtl::AppCommandOf(target)) {
            control_->OnAppCommand(*command);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

private:
    CHtmlCtl* control_;
};

CHtmlCtl::CHtmlCtl(QWidget* parent) : QWebEngineView(parent) {
    setObjectName(QStringLiteral("CHtmlCtl"));
    setPage(new CHtmlCtlPage(this));
}

namespace {

QWidget* FindPlaceholder(int controlId, QWidget* parent) {
    if (!parent) return nullptr;
    return parent->findChild<QWidget*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
}

}  // namespace

CHtmlCtl* CHtmlCtl::OverPlaceholder(int controlId, QWidget* parent) {
    if (!FindPlaceholder(controlId, parent)) return nullptr;
    auto* view = new CHtmlCtl(parent);
    view->CreateFromStatic(controlId, parent);
    return view;
}

bool CHtmlCtl::CreateFromStatic(int controlId, QWidget* parent) {
    QWidget* placeholder = FindPlaceholder(controlId, parent);
    if (!placeholder || placeholder == this) return false;
    const QRect geometry = placeholder->geometry();
    delete placeholder;
    setParent(parent);
    setGeometry(geometry);
    setObjectName(QString::number(controlId));
    show();
    return true;
}

void CHtmlCtl::Navigate(const std::string& url) {
    load(QUrl::fromUserInput(ui::ToQString(url)));
}

std::optional<std::string> CHtmlCtl::AppCommandOf(const std::string& url) {
    static constexpr std::string_view kPlay = "appplay:";
    static constexpr std::string_view kApp = "app:";
    if (url.compare(0, kPlay.size(), kPlay) == 0) return url.substr(kPlay.size());
    if (url.compare(0, kApp.size(), kApp) == 0) return url.substr(kApp.size());
    return std::nullopt;
}

void CHtmlCtl::OnAppCommand(const std::string&) {}
