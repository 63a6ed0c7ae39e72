#pragma once
// A small HTTP/1.1 load generator on POSIX sockets and poll: one document asked for over
// and over, either on kept-alive connections or on fresh connections opened all at once.
// Every run is bounded in time; each request has its own time limit.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace load {

struct Target {
    std::uint16_t port = 0;  // on 127.0.0.1
    std::string path;
};

struct LoadResult {
    long answered = 0;      // complete 200 answers
    long errors = 0;        // refused or reset connections, time-outs, other statuses, short bodies
    long reconnects = 0;    // kept-alive connections the server ended in good order
    double seconds = 0;
    std::vector<double> latenciesMs;  // of every complete answer

    double RequestsPerSecond() const { return seconds > 0 ? answered / seconds : 0; }
    double Percentile(double fraction) const;  // of latenciesMs; 0 when empty
};

// `connections` kept-alive connections, each with one request outstanding at a time, for
// `duration`, driven by `threads` threads.
LoadResult RunKeepAlive(const Target& target, int connections, std::chrono::milliseconds duration, int threads);

// `rounds` times: `connections` fresh connections opened at once, one request each
// ("Connection: close"); latency counts from the start of the connect.
LoadResult RunBurst(const Target& target, int connections, int rounds);

// One GET; the body of a 200 answer, or nothing (false).
bool FetchDocument(const Target& target, std::string& body);

}  // namespace load
