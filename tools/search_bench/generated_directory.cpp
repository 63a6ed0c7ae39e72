#include "tools/search_bench/generated_directory.h"

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "common/platform/code_page.h"

namespace {

// Characters common in stock names, each with the initial of its pinyin.
struct NameChar {
    const char* utf8;
    char initial;
};
const NameChar kChars[] = {
    {"中", 'Z'}, {"国", 'G'}, {"平", 'P'}, {"安", 'A'}, {"银", 'Y'}, {"行", 'H'}, {"华", 'H'}, {"东", 'D'},
    {"方", 'F'}, {"科", 'K'}, {"技", 'J'}, {"电", 'D'}, {"子", 'Z'}, {"能", 'N'}, {"源", 'Y'}, {"新", 'X'},
    {"材", 'C'}, {"料", 'L'}, {"医", 'Y'}, {"药", 'Y'}, {"生", 'S'}, {"物", 'W'}, {"海", 'H'}, {"天", 'T'},
    {"信", 'X'}, {"通", 'T'}, {"证", 'Z'}, {"券", 'Q'}, {"汽", 'Q'}, {"车", 'C'}, {"建", 'J'}, {"设", 'S'},
    {"光", 'G'}, {"明", 'M'}, {"大", 'D'}, {"股", 'G'}, {"份", 'F'}, {"金", 'J'}, {"山", 'S'}, {"江", 'J'},
};

}  // namespace

CStockDirectory GenerateDirectory(std::size_t stocks) {
    std::vector<std::string> gbk;
    for (const NameChar& c : kChars) gbk.push_back(platform::Utf8ToLocalText(c.utf8));
    static const char* const kBoards[] = {"000", "001", "002", "300", "600", "601", "603", "688"};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kChars) - 1);
    std::uniform_int_distribution<int> length(2, 4);
    CStockDirectory directory;
    for (std::size_t i = 0; i < stocks; ++i) {
        const std::size_t perBoard = (stocks + std::size(kBoards) - 1) / std::size(kBoards);
        char code[16];
        std::snprintf(code, sizeof code, "%s%03zu", kBoards[i / perBoard], i % perBoard % 1000);
        std::string initials, name;
        for (int n = length(random); n > 0; --n) {
            const std::size_t c = pick(random);
            initials += kChars[c].initial;
            name += gbk[c];
        }
        directory.Append(code, initials, name);
    }
    return directory;
}
