#include "client/app/qt_log_sink.h"

#include <QLoggingCategory>

#include <string>
#include <string_view>

#include "common/platform/log.h"
#include "common/ui/text.h"

namespace {

Q_LOGGING_CATEGORY(lcNet, "quorvel.net")
Q_LOGGING_CATEGORY(lcData, "quorvel.data")
Q_LOGGING_CATEGORY(lcXml, "quorvel.xml")
Q_LOGGING_CATEGORY(lcUi, "quorvel.ui")
Q_LOGGING_CATEGORY(lcOther, "quorvel")

const QLoggingCategory& CategoryFor(std::string_view name) {
    if (name == "quorvel.net") return lcNet();
    if (name == "quorvel.data") return lcData();
    if (name == "quorvel.xml") return lcXml();
    if (name == "quorvel.ui") return lcUi();
    return lcOther();
}

}  // namespace

void RouteLogToQtCategories() {
    platform::SetLogSink([](platform::LogLevel level, std::string_view category,
                            std::string_view message) {
        const QLoggingCategory& target = CategoryFor(category);
        // Core text is GBK (plain ASCII for addresses and reasons).
        QString text = ui::ToQString(message);
        if (&target == &lcOther()) text.prepend(ui::ToQString(category) + QStringLiteral(": "));
        switch (level) {
            case platform::LogLevel::Debug:
                qCDebug(target).noquote() << text;
                break;
            case platform::LogLevel::Info:
                qCInfo(target).noquote() << text;
                break;
            case platform::LogLevel::Warning:
                qCWarning(target).noquote() << text;
                break;
            case platform::LogLevel::Error:
                qCCritical(target).noquote() << text;
                break;
        }
    });
}
