// Resuming a part file: only the server's same file is appended, exactly at the part's end;
// every other answer drops the part and fetches the whole file once.
#include <gtest/gtest.h>

#include <functional>

#include "common/net/http_download.h"
#include "common/net/part_validator.h"
#include "common/net/support/download_fixture.h"
#include "common/net/support/http_script.h"
#include "common/platform/files.h"

using namespace net;
using nettest::FileServing;
using nettest::kServedLastModified;
using nettest::Pattern;
using nettest::PlainRequest;
using nettest::RangedRequest;
using nettest::Response;
using nettest::ScriptConnection;
using nettest::Sha256;

namespace {

constexpr std::size_t kFileSize = 1 << 20;
constexpr std::size_t kCut = 300000;
const std::string kNewLastModified = "Thu, 06 Jun 2024 08:00:00 GMT";

class ResumeTest : public nettest::DownloadTest {
protected:
    ResumeTest() : old_(Pattern(kFileSize, 1)), new_(Pattern(kFileSize, 2)) {}

    // Connection 0 sends the first kCut bytes of `first` and breaks; connection 1 runs
    // `second`; later connections serve `last` as a correct server does.
    void ServeCutThen(FileServing first, std::function<void(ScriptConnection&)> second,
                      FileServing last) {
        first.cutAfter = [](int) -> std::optional<std::size_t> { return kCut; };
        Serve([=](ScriptConnection& c, int i) {
            if (i == 0) return nettest::ServeFile(first, c, i);
            if (i == 1) return second(c);
            nettest::ServeFile(last, c, i);
        });
    }
    // A 206 carrying `data` from `from` on, with a Content-Range that says so.
    static void SendPartial(ScriptConnection& c, const std::string& data, std::size_t from,
                            const std::string& lastModified) {
        c.ReadRequest();
        std::string size = std::to_string(data.size());
        c.Send(Response("206 Partial Content",
                        {"Content-Length: " + std::to_string(data.size() - from),
                         "Content-Range: bytes " + std::to_string(from) + "-" +
                             std::to_string(data.size() - 1) + "/" + size,
                         "Last-Modified: " + lastModified},
                        data.substr(from)));
    }
    bool NoPartLeft(const std::string& local) const {
        return !platform::FileExists(local + ".down") &&
               !platform::FileExists(PartValidatorPath(local + ".down"));
    }

    std::string old_;
    std::string new_;
};

}  // namespace

TEST_F(ResumeTest, ARangeStartingBeforeThePartsEndIsDroppedForTheWholeFile) {
    ServeCutThen({old_},
                 [this](ScriptConnection& c) { SendPartial(c, old_, kCut - 4096, kServedLastModified); },
                 {old_});
    std::string local = Path("shifted.bin");
    ASSERT_EQ(engine_.Download(Url("/shifted.bin"), local, false), DownloadResult::kComplete);
    EXPECT_EQ(Sha256(Read(local)), Sha256(old_));
    EXPECT_EQ(Requests(), (std::vector<std::string>{
                              PlainRequest("/shifted.bin"),
                              RangedRequest("/shifted.bin", kCut, kServedLastModified),
                              PlainRequest("/shifted.bin")}));
    EXPECT_EQ(WarningsWith({Url("/shifted.bin"), "range mismatch", "does not start at 300000"}), 1);
    EXPECT_TRUE(NoPartLeft(local));
}

TEST_F(ResumeTest, AChangedFileSentAs206IsFetchedWholeAndThenCurrent) {
    // The server ignores If-Range and continues the new file after the old part.
    FileServing changed{new_};
    changed.lastModified = kNewLastModified;
    changed.ignoreIfRange = true;
    FileServing correct{new_};
    correct.lastModified = kNewLastModified;
    ServeCutThen({old_}, [changed](ScriptConnection& c) { nettest::ServeFile(changed, c, 1); },
                 correct);
    std::string local = Path("changed.bin");
    ASSERT_EQ(engine_.Download(Url("/changed.bin"), local, false), DownloadResult::kComplete);
    EXPECT_EQ(Sha256(Read(local)), Sha256(new_));
    EXPECT_EQ(platform::FileModificationTime(local), nettest::LocalTime(2024, 6, 6, 8, 0, 0));
    std::vector<std::string> requests = Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1], RangedRequest("/changed.bin", kCut, kServedLastModified));
    EXPECT_EQ(requests[2], PlainRequest("/changed.bin"));
    EXPECT_EQ(WarningsWith({"range mismatch", "another version", kNewLastModified}), 1);
    EXPECT_EQ(engine_.Download(Url("/changed.bin"), local, false), DownloadResult::kCurrent);
}

TEST_F(ResumeTest, AnEarlierPartSendsItsETagAsGivenAndAChangedFileComesWhole) {
    std::string local = Path("tagged.bin");
    nettest::PlantPart(local, old_.substr(0, kCut), {"\"Ab-1\"", kServedLastModified});
    FileServing changed{new_};
    changed.etag = "\"Ab-2\"";
    ServeFile(changed);
    ASSERT_EQ(engine_.Download(Url("/tagged.bin"), local, false), DownloadResult::kComplete);
    EXPECT_EQ(Requests(), std::vector<std::string>{RangedRequest("/tagged.bin", kCut, "\"Ab-1\"")});
    EXPECT_EQ(Sha256(Read(local)), Sha256(new_));
    EXPECT_TRUE(NoPartLeft(local));
}

TEST_F(ResumeTest, A206ToARequestWithoutARangeIsRefetchedOnceThenFails) {
    Serve([this](ScriptConnection& c, int i) {
        if (i == 0) return SendPartial(c, old_, 4096, kServedLastModified);
        nettest::ServeFile({old_}, c, i);
    });
    std::string local = Path("unasked.bin");
    ASSERT_EQ(engine_.Download(Url("/unasked.bin"), local, false), DownloadResult::kComplete);
    EXPECT_EQ(Sha256(Read(local)), Sha256(old_));
    EXPECT_EQ(Requests(), (std::vector<std::string>{PlainRequest("/unasked.bin"),
                                                    PlainRequest("/unasked.bin")}));

    Serve([this](ScriptConnection& c, int) { SendPartial(c, new_, 4096, kNewLastModified); });
    EXPECT_EQ(engine_.Download(Url("/unasked.bin"), local, false), DownloadResult::kFailed);
    EXPECT_EQ(server_->connections(), 2);
    EXPECT_EQ(Sha256(Read(local)), Sha256(old_));  // the good file stays
    EXPECT_EQ(WarningsWith({Url("/unasked.bin"), "failed", "range mismatch again",
                            "without a range"}),
              1);
}

TEST_F(ResumeTest, APartWithoutAUsableValidatorIsFetchedWhole) {
    ServeFile({old_});
    std::string local = Path("bare.bin");
    for (std::string validator : {"", "garbage", "ETag: W/\"weak\"\n"}) {
        platform::RemoveFile(local);
        ASSERT_TRUE(platform::ReplaceFileAtomically(local + ".down", std::string(kCut, 'x')));
        if (!validator.empty()) {
            ASSERT_TRUE(platform::ReplaceFileAtomically(PartValidatorPath(local + ".down"),
                                                        validator));
        }
        ASSERT_EQ(engine_.Download(Url("/bare.bin"), local, false), DownloadResult::kComplete);
        EXPECT_EQ(Requests().back(), PlainRequest("/bare.bin")) << validator;
        EXPECT_EQ(Sha256(Read(local)), Sha256(old_));
    }
}

TEST_F(ResumeTest, WithoutValidatorsABreakIsResumedWithinTheDownloadOnly) {
    FileServing bare{old_};
    bare.lastModified.clear();
    bare.cutAfter = [](int i) -> std::optional<std::size_t> {
        if (i == 0) return kCut;
        return std::nullopt;
    };
    ServeFile(bare);
    std::string local = Path("plain.bin");
    ASSERT_EQ(engine_.Download(Url("/plain.bin"), local, false), DownloadResult::kComplete);
    EXPECT_EQ(Requests(), (std::vector<std::string>{PlainRequest("/plain.bin"),
                                                    RangedRequest("/plain.bin", kCut, "")}));
    EXPECT_EQ(Sha256(Read(local)), Sha256(old_));
    EXPECT_EQ(WarningsWith({"broke after 300000 of 1048576 bytes"}), 1);
    EXPECT_TRUE(NoPartLeft(local));
}
