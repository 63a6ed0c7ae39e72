#include "http_load.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "server/raw_http.h"

namespace load {
namespace {

using Clock = std::chrono::steady_clock;
using rawhttp::AnswerState;
using rawhttp::ConnectedWithoutError;
using rawhttp::ReadAnswer;
using rawhttp::ReceiveAvailable;
using rawhttp::SendAll;
constexpr auto kRequestLimit = std::chrono::seconds(5);

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct KeptAlive {
    int fd = -1;
    std::string in;
    Clock::time_point sent;
};

// Opens (again) and sends the first request; false when the connection failed.
bool Reopen(KeptAlive& c, const Target& target, const std::string& request) {
    if (c.fd >= 0) ::close(c.fd);
    c.in.clear();
    c.fd = rawhttp::StartConnect(target.port);
    if (c.fd < 0) return false;
    pollfd p{c.fd, POLLOUT, 0};
    if (::poll(&p, 1, 5000) <= 0 || !ConnectedWithoutError(c.fd)) return false;
    c.sent = Clock::now();
    return SendAll(c.fd, request);
}

void KeepAliveThread(const Target& target, int count, Clock::time_point end, LoadResult& result) {
    const std::string request = rawhttp::GetRequest(target.port, target.path, false);
    std::vector<KeptAlive> clients(static_cast<std::size_t>(count));
    for (auto& c : clients)
        if (!Reopen(c, target, request)) ++result.errors;
    std::vector<pollfd> polls(clients.size());
    while (Clock::now() < end) {
        for (std::size_t i = 0; i < clients.size(); ++i) polls[i] = {clients[i].fd, POLLIN, 0};
        if (::poll(polls.data(), polls.size(), 50) < 0 && errno != EINTR) break;
        const auto now = Clock::now();
        for (std::size_t i = 0; i < clients.size(); ++i) {
            KeptAlive& c = clients[i];
            bool failed = c.fd < 0 || now - c.sent > kRequestLimit;
            bool reopen = failed;
            if (!failed && (polls[i].revents & (POLLIN | POLLHUP | POLLERR))) {
                const bool open = ReceiveAvailable(c.fd, c.in);
                const rawhttp::Answer answer = ReadAnswer(c.in);
                if (answer.state == AnswerState::kComplete) {
                    if (answer.status == 200) {
                        ++result.answered;
                        result.latenciesMs.push_back(MillisecondsSince(c.sent));
                    } else {
                        ++result.errors;
                    }
                    c.in.erase(0, answer.length);
                    if (answer.close || !open) {
                        ++result.reconnects;
                        reopen = true;
                    } else {
                        c.sent = Clock::now();
                        failed = !SendAll(c.fd, request);
                    }
                } else if (answer.state == AnswerState::kBad || !open) {
                    failed = true;
                }
            }
            if (failed) ++result.errors;
            if ((failed || reopen) && Clock::now() < end && !Reopen(c, target, request)) {
                ++result.errors;
                ::close(c.fd);
                c.fd = -1;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }
    for (auto& c : clients)
        if (c.fd >= 0) ::close(c.fd);
}

// One round of the burst: every connection opened at once, one request each.
void BurstRound(const Target& target, int count, LoadResult& result) {
    struct Fresh {
        int fd = -1;
        bool connected = false;
        bool done = false;
        std::string in;
        Clock::time_point started;
    };
    const std::string request = rawhttp::GetRequest(target.port, target.path, true);
    std::vector<Fresh> clients(static_cast<std::size_t>(count));
    for (auto& c : clients) {
        c.started = Clock::now();
        c.fd = rawhttp::StartConnect(target.port);
        if (c.fd < 0) {
            c.done = true;
            ++result.errors;
        }
    }
    const auto end = Clock::now() + kRequestLimit * 2;
    std::vector<pollfd> polls;
    std::vector<Fresh*> waiting;
    for (;;) {
        polls.clear();
        waiting.clear();
        for (auto& c : clients) {
            if (c.done) continue;
            polls.push_back({c.fd, static_cast<short>(c.connected ? POLLIN : POLLOUT), 0});
            waiting.push_back(&c);
        }
        if (waiting.empty() || Clock::now() >= end) break;
        if (::poll(polls.data(), polls.size(), 50) < 0 && errno != EINTR) break;
        for (std::size_t i = 0; i < waiting.size(); ++i) {
            Fresh& c = *waiting[i];
            if (polls[i].revents == 0) continue;
            bool failed = false;
            if (!c.connected) {
                c.connected = ConnectedWithoutError(c.fd) && SendAll(c.fd, request);
                failed = !c.connected;
            } else {
                const bool open = ReceiveAvailable(c.fd, c.in);
                const rawhttp::Answer answer = ReadAnswer(c.in);
                if (answer.state == AnswerState::kComplete && answer.status == 200) {
                    ++result.answered;
                    result.latenciesMs.push_back(MillisecondsSince(c.started));
                    c.done = true;
                } else if (answer.state != AnswerState::kIncomplete || !open) {
                    failed = true;
                }
            }
            if (failed) {
                ++result.errors;
                c.done = true;
            }
            if (c.done) ::close(c.fd);
        }
    }
    for (auto& c : clients) {
        if (c.done) continue;
        ++result.errors;  // no answer in time
        ::close(c.fd);
    }
}

}  // namespace

double LoadResult::Percentile(double fraction) const {
    if (latenciesMs.empty()) return 0;
    std::vector<double> sorted = latenciesMs;
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(at), sorted.end());
    return sorted[at];
}

LoadResult RunKeepAlive(const Target& target, int connections, std::chrono::milliseconds duration, int threads) {
    threads = std::clamp(threads, 1, connections);
    std::vector<LoadResult> parts(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    const auto start = Clock::now();
    const auto end = start + duration;
    for (int t = 0; t < threads; ++t) {
        const int share = connections / threads + (t < connections % threads ? 1 : 0);
        workers.emplace_back(KeepAliveThread, std::cref(target), share, end, std::ref(parts[static_cast<std::size_t>(t)]));
    }
    for (auto& worker : workers) worker.join();
    LoadResult total;
    total.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (const auto& part : parts) {
        total.answered += part.answered;
        total.errors += part.errors;
        total.reconnects += part.reconnects;
        total.latenciesMs.insert(total.latenciesMs.end(), part.latenciesMs.begin(), part.latenciesMs.end());
    }
    return total;
}

LoadResult RunBurst(const Target& target, int connections, int rounds) {
    LoadResult result;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        BurstRound(target, connections, result);
        result.seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    return result;
}

bool FetchDocument(const Target& target, std::string& body) {
    const rawhttp::Reply reply =
        rawhttp::Exchange(target.port, rawhttp::GetRequest(target.port, target.path, true), 5000);
    if (!reply.complete || reply.status != 200) return false;
    body = reply.body;
    return true;
}

}  // namespace load
