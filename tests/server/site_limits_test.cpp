// What the site keeps is bounded: the journal in memory and on disk, the document cache.
#include <gtest/gtest.h>

#include <future>

#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "server/document_cache.h"
#include "server/login_throttle.h"
#include "server/request_journal.h"

namespace {

TEST(RequestJournal, KeepsTheLatestRecordsCutsBodiesAndRotatesItsFiles) {
    const std::string folder = platform::MakeTempDirectory("quorvel-journal-test");
    {
        server::RequestJournal journal(folder, {3, 16, 200});
        for (int i = 0; i < 5; ++i) journal.RecordFormPost("/sms/sncode.asp", "n=" + std::to_string(i));
        EXPECT_EQ(journal.Lines(), "post\t/sms/sncode.asp\tn=2\npost\t/sms/sncode.asp\tn=3\npost\t/sms/sncode.asp\tn=4\n");

        journal.RecordFormPost("/q", std::string(100000, 'x'));
        const std::string kept = journal.Lines();
        EXPECT_NE(kept.find("\t" + std::string(16, 'x') + "...(100000 bytes)\n"), std::string::npos) << kept;
        for (int i = 0; i < 10; ++i) journal.RecordFormPost("/q", std::string(40, 'y'));

        std::string current, older;
        ASSERT_TRUE(platform::ReadWholeFile(platform::JoinPath(folder, "forms.log"), current));
        ASSERT_TRUE(platform::ReadWholeFile(platform::JoinPath(folder, "forms.log.1"), older));
        EXPECT_LT(current.size(), 300u);
        EXPECT_LT(older.size(), 300u);
        EXPECT_FALSE(platform::FileExists(platform::JoinPath(folder, "forms.log.2")));
    }
    platform::RemoveDirectoryTree(folder);
}

TEST(RequestJournal, MasksEveryPasswordOfALoginQuery) {
    EXPECT_EQ(server::MaskPasswords("uname=a&pwd=secret&mac=m"), "uname=a&pwd=***&mac=m");
    EXPECT_EQ(server::MaskPasswords("PWD=a&pwd=b&pwdx=c&pwd"), "PWD=***&pwd=***&pwdx=c&pwd");
    EXPECT_EQ(server::MaskPasswords(""), "");
}

TEST(DocumentCache, MakesEachDocumentOnceAndStaysWithinItsBytes) {
    server::DocumentCache cache(1000);
    int made = 0;
    auto make = [&](char c) {
        return [&made, c] {
            ++made;
            return std::string(300, c);
        };
    };
    EXPECT_EQ(*cache.Get("a", make('a')), std::string(300, 'a'));
    EXPECT_EQ(*cache.Get("a", make('z')), std::string(300, 'a'));
    EXPECT_EQ(made, 1);
    cache.Get("b", make('b'));
    cache.Get("c", make('c'));
    cache.Get("d", make('d'));  // the oldest, "a", makes room
    EXPECT_LE(cache.Bytes(), 1000u);
    EXPECT_EQ(made, 4);
    cache.Get("a", make('a'));
    EXPECT_EQ(made, 5);
    // Nothing to serve is not kept, and neither is what could never fit.
    EXPECT_TRUE(cache.Get("none", [] { return std::string(); })->empty());
    EXPECT_EQ(cache.Get("huge", [] { return std::string(5000, 'h'); })->size(), 5000u);
    EXPECT_LE(cache.Bytes(), 1000u);
}

TEST(LoginThrottle, OnlyAFewAttemptsWaitAtOnceAndTurnsNeverQueuePastTheCeiling) {
    server::ThrottleSettings settings;
    settings.firstDelay = std::chrono::milliseconds(100);
    settings.maxDelay = std::chrono::milliseconds(250);
    settings.maxWaiting = 1;
    server::LoginThrottle throttle(settings);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(throttle.AwaitTurn("a"));
        throttle.Record("a", false);
    }
    for (int i = 0; i < 5; ++i) throttle.Record("b", false);
    auto waiting = std::async(std::launch::async, [&] { return throttle.AwaitTurn("a"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_FALSE(throttle.AwaitTurn("b")) << "another attempt would wait while one already does";
    EXPECT_TRUE(throttle.AwaitTurn("c")) << "names without failures never wait";
    EXPECT_TRUE(waiting.get());

    // At the ceiling, an attempt queued behind another would wait past it: refused.
    settings.maxWaiting = 5;
    server::LoginThrottle roomy(settings);
    for (int i = 0; i < 7; ++i) roomy.Record("a", false);
    auto atCeiling = std::async(std::launch::async, [&] { return roomy.AwaitTurn("a"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_FALSE(roomy.AwaitTurn("a"));
    EXPECT_TRUE(atCeiling.get());
}

}  // namespace
