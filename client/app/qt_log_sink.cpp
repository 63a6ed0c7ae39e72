#include "client/app/qt_log_sink.h"

#include <QLoggingCategory>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "common/platform/log.h"
#include "common/ui/text.h"

namespace {

// One Qt category per core category name ("quorvel.net", "quorvel.skin", ...), made the
// first time the name is logged, so QT_LOGGING_RULES filters every name the core uses.
const QLoggingCategory& CategoryFor(std::string_view name) {
    static std::mutex lock;
    static std::map<std::string, std::unique_ptr<QLoggingCategory>, std::less<>> categories;
    const std::lock_guard<std::mutex> guard(lock);
    auto found = categories.find(name);
    if (found == categories.end()) {
        std::string key(name);
        // QLoggingCategory keeps the pointer to its name: the map's key outlives it.
        auto inserted = categories.emplace(std::move(key), nullptr).first;
        inserted->second = std::make_unique<QLoggingCategory>(inserted->first.c_str());
        found = inserted;
    }
    return *found->second;
}

}  // namespace

void RouteLogToQtCategories() {
    platform::SetLogSink([](platform::LogLevel level, std::string_view category,
                            std::string_view message) {
        const QLoggingCategory& target = CategoryFor(category);
        // Core text is GBK (plain ASCII for addresses and reasons).
        QString text = ui::ToQString(message);
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
