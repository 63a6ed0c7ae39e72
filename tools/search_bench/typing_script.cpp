#include "tools/search_bench/typing_script.h"

namespace {

// One recorded step: type `text`, then press backspace `erase` times.
struct Step {
    const char* text;
    int erase;
};
const Step kSession[] = {
    {"600519", 3}, {"036", 6},  {"zgpa", 2},  {"rs", 4},   {"000001", 6}, {"PFYH", 4}, {"3000", 1},
    {"59", 6},     {"hx", 1},   {"d", 3},     {"601318", 6}, {"ZX", 2},   {"002", 1},  {"415", 6},
    {"jd", 2},     {"688", 3},  {"gs", 1},    {"Y", 2},    {"6", 1},      {"sz", 2},
};

}  // namespace

std::vector<std::string> TypingScript(std::size_t keystrokes) {
    std::vector<std::string> states;
    std::string edit;
    for (std::size_t step = 0; states.size() < keystrokes; ++step) {
        const Step& s = kSession[step % std::size(kSession)];
        for (const char* c = s.text; *c && states.size() < keystrokes; ++c) {
            edit += *c;
            states.push_back(edit);
        }
        for (int i = 0; i < s.erase && !edit.empty() && states.size() < keystrokes; ++i) {
            edit.pop_back();
            states.push_back(edit);
        }
    }
    return states;
}
