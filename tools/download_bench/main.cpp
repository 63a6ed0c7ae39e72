// download_bench: serves a large file (sparse, so it costs no disk) from nginx on loopback and
// downloads it several times with CHttpDownload (10240-byte blocks, a notice per block) and
// with the curl command line, alternating, after one uncounted warm-up each; then prints the
// median throughput of each and their ratio. MB is 10^6 bytes.
//
//   download_bench [--runs N] [--mib SIZE] [--out FOLDER]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/net/http_download.h"
#include "common/net/support/peers.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 5;
    std::uint64_t mib = 1024;
    std::string out;  // where the downloads land; a temporary folder by default
};

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double CpuSeconds(const rusage& usage) {
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Run {
    double seconds = -1;  // negative when the download failed
    double cpuSeconds = 0;
};

Run RunEngine(const std::string& url, const std::string& target, std::uint64_t size,
              std::uint64_t& notices) {
    net::CHttpDownload engine;
    std::int64_t lastDone = 0;
    engine.SetNotify([&](const net::DownloadNotice& n) {
        ++notices;
        lastDone = n.done;
    }, true);
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    auto start = Clock::now();
    net::DownloadResult result = engine.Download(url, target, true);
    double seconds = Seconds(start);
    getrusage(RUSAGE_SELF, &after);
    bool whole = result == net::DownloadResult::kComplete && platform::FileSize(target) == size &&
                 static_cast<std::uint64_t>(lastDone) == size;
    platform::RemoveFile(target);
    return {whole ? seconds : -1, CpuSeconds(after) - CpuSeconds(before)};
}

Run RunCurl(const std::string& curl, const std::string& url, const std::string& target,
               std::uint64_t size) {
    auto start = Clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(curl.c_str(), curl.c_str(), "-s", "-o", target.c_str(), url.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    double seconds = Seconds(start);
    bool whole = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                 platform::FileSize(target) == size;
    platform::RemoveFile(target);
    return {whole ? seconds : -1, CpuSeconds(usage)};
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (i + 1 >= argc) return false;
        if (a == "--runs") {
            options.runs = std::atoi(argv[++i]);
        } else if (a == "--mib") {
            options.mib = std::strtoull(argv[++i], nullptr, 10);
        } else if (a == "--out") {
            options.out = argv[++i];
        } else {
            return false;
        }
    }
    return options.runs > 0 && options.mib > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: download_bench [--runs N] [--mib SIZE] [--out FOLDER]\n");
        return 2;
    }
    std::optional<std::string> curl = nettest::FindProgram("curl");
    nettest::Peer nginx("nginx");
    if (!curl || !nginx.installed()) {
        std::fprintf(stderr, "download_bench needs nginx and curl (scripts/setup.sh)\n");
        return 1;
    }

    const std::uint64_t size = options.mib << 20;
    std::string root = nginx.folder() + "/www";
    platform::CreateDirectories(root);
    std::string served = root + "/big.bin";
    std::error_code error;
    platform::ReplaceFileAtomically(served, "");
    std::filesystem::resize_file(served, size, error);
    if (error || !nginx.StartNginx(root)) {
        std::fprintf(stderr, "cannot serve the file:\n%s\n", nginx.Log().c_str());
        return 1;
    }
    std::string url = "http://127.0.0.1:" + std::to_string(nginx.port()) + "/big.bin";
    std::string outFolder =
        options.out.empty() ? platform::MakeTempDirectory("quorvel-download-bench") : options.out;
    std::string target = outFolder + "/big.bin";

    std::printf("file %llu MiB from nginx on loopback, %d runs each, output in %s\n",
                static_cast<unsigned long long>(options.mib), options.runs, outFolder.c_str());
    std::vector<double> engineRates, curlRates;
    std::uint64_t notices = 0;
    // One uncounted download each first, so both meet the same warm caches.
    if (RunEngine(url, target, size, notices).seconds < 0 ||
        RunCurl(*curl, url, target, size).seconds < 0) {
        std::fprintf(stderr, "the warm-up download failed\n");
        return 1;
    }
    notices = 0;
    const double megabytes = static_cast<double>(size) / 1e6;
    for (int run = 0; run < options.runs; ++run) {
        // Each goes first in every other run, so neither always meets a cold or busy machine.
        Run engineRun, curlRun;
        if (run % 2 == 0) {
            engineRun = RunEngine(url, target, size, notices);
            curlRun = RunCurl(*curl, url, target, size);
        } else {
            curlRun = RunCurl(*curl, url, target, size);
            engineRun = RunEngine(url, target, size, notices);
        }
        if (engineRun.seconds < 0 || curlRun.seconds < 0) {
            std::fprintf(stderr, "run %d failed (engine %s, curl %s)\n", run + 1,
                         engineRun.seconds < 0 ? "failed" : "ok",
                         curlRun.seconds < 0 ? "failed" : "ok");
            return 1;
        }
        engineRates.push_back(megabytes / engineRun.seconds);
        curlRates.push_back(megabytes / curlRun.seconds);
        std::printf("run %d: engine %.0f MB/s (%.2f s CPU), curl %.0f MB/s (%.2f s CPU)\n",
                    run + 1, engineRates.back(), engineRun.cpuSeconds, curlRates.back(),
                    curlRun.cpuSeconds);
    }
    if (options.out.empty()) platform::RemoveDirectoryTree(outFolder);

    double engine = Median(engineRates);
    double curlRate = Median(curlRates);
    std::printf("notices per engine download: %llu\n",
                static_cast<unsigned long long>(notices / options.runs));
    std::printf("median engine %.0f MB/s, curl %.0f MB/s, ratio %.2f\n", engine, curlRate,
                engine / curlRate);
    return 0;
}
