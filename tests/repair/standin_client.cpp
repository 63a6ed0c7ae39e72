// A stand-in for the client in the repair tool's tests. It runs until it is ended, at
// most 30 seconds. When asked to end (SIGTERM) it writes "saved" to the file named by its
// first argument and exits; with "--ignore-term" as second argument it ignores the request.
// Once it is ready for the request it creates the marker's name + ".ready".
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {
volatile sig_atomic_t asked = 0;
void OnTerm(int) { asked = 1; }
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (argc > 2 && std::strcmp(argv[2], "--ignore-term") == 0) {
        signal(SIGTERM, SIG_IGN);
    } else {
        struct sigaction action {};
        action.sa_handler = OnTerm;
        sigaction(SIGTERM, &action, nullptr);
    }
    const std::string ready = std::string(argv[1]) + ".ready";
    if (FILE* file = std::fopen(ready.c_str(), "w")) std::fclose(file);
    for (int i = 0; i < 1500 && !asked; ++i) usleep(20000);
    if (!asked) return 1;
    if (FILE* marker = std::fopen(argv[1], "w")) {
        std::fputs("saved", marker);
        std::fclose(marker);
    }
    return 0;
}
