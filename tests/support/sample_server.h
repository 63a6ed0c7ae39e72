#pragma once
// Starts the built quorvel-server on a free loopback port, with its test endpoints, for the
// length of a test and stops it afterwards. Each instance has its own temporary data folder (users file,
// logs), removed when the instance ends.
//
//   SampleServer server;                       // port chosen by the system
//   config "RemotFilePath" = server.BaseHost() // "127.0.0.1:PORT"
//   long before = server.RequestCount();       // requests answered so far
//
// Link the CMake target quorvel_test_sample_server to use it.
#include <string>
#include <sys/types.h>
#include <vector>

class SampleServer {
public:
    // `extraArguments` are passed on, for example {"--app-version", "2.0.0"}. Without
    // `testEndpoints` the server runs as it would for anyone (RequestCount and Log fail).
    explicit SampleServer(std::vector<std::string> extraArguments = {}, bool testEndpoints = true);
    ~SampleServer();
    SampleServer(const SampleServer&) = delete;
    SampleServer& operator=(const SampleServer&) = delete;

    // False when the server did not start; Error() then says why.
    bool Running() const { return port_ > 0; }
    const std::string& Error() const { return error_; }

    int Port() const { return port_; }
    std::string BaseHost() const;  // "127.0.0.1:PORT"
    std::string Url(const std::string& path) const;  // "http://127.0.0.1:PORT" + path

    // Requests answered so far (the test endpoints themselves are not counted); -1 when
    // the server cannot be asked.
    long RequestCount() const;
    // Logins and form posts received so far, one line each:
    //   login<TAB>uname=...<TAB>mac=...<TAB>ver=...<TAB>result=ok|fail<TAB>query=...
    //   post<TAB>PATH<TAB>BODY
    std::string Log() const;

    const std::string& DataDirectory() const { return dataDirectory_; }

private:
    std::string Fetch(const std::string& path) const;

    pid_t pid_ = -1;
    int port_ = 0;
    std::string dataDirectory_;
    std::string error_;
};
