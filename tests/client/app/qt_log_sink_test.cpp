// The client's log routing: core lines reach Qt's categories by name and level, and
// logging rules filter them.
#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QString>

#include <vector>

#include "client/app/qt_log_sink.h"
#include "common/platform/log.h"

namespace {

struct Message {
    QtMsgType type;
    QString category;
    QString text;
};

std::vector<Message>* g_messages = nullptr;

void Record(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (g_messages) g_messages->push_back({type, QString::fromLatin1(context.category), text});
}

TEST(QtLogSink, LinesGoToTheirCategoryAndRulesFilterThem) {
    std::vector<Message> messages;
    g_messages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(Record);
    QLoggingCategory::setFilterRules(QStringLiteral("quorvel.*.debug=false"));
    RouteLogToQtCategories();

    platform::Log(platform::LogLevel::Warning, "quorvel.net", "http://h/x.xml: HTTP status 404");
    platform::Log(platform::LogLevel::Error, "quorvel.ui", "work failed");
    platform::Log(platform::LogLevel::Debug, "quorvel.data", "filtered out");
    platform::Log(platform::LogLevel::Info, "quorvel.cache", "\xD6\xD0");  // GBK 中

    platform::SetLogSink({});
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    g_messages = nullptr;

    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].type, QtWarningMsg);
    EXPECT_EQ(messages[0].category, "quorvel.net");
    EXPECT_EQ(messages[0].text, "http://h/x.xml: HTTP status 404");
    EXPECT_EQ(messages[1].type, QtCriticalMsg);
    EXPECT_EQ(messages[1].category, "quorvel.ui");
    EXPECT_EQ(messages[2].type, QtInfoMsg);
    EXPECT_EQ(messages[2].category, "quorvel.cache");
    EXPECT_EQ(messages[2].text, QStringLiteral("中"));
}

}  // namespace
