#include "client/core/code_search.h"

#include <string_view>

#include "client/core/client_util.h"
#include "common/platform/ascii_case.h"
#include "common/platform/code_page.h"

namespace {

// ASCII letters lower-cased, GBK characters (both bytes) left alone, so that a trail byte
// in 'A'..'Z' cannot make two different characters compare equal.
std::string FoldLocalText(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    std::size_t runStart = 0;  // start of the current run of single-byte characters
    std::size_t i = 0;
    while (i < text.size()) {
        const auto length = static_cast<std::size_t>(platform::LocalCharLength(static_cast<unsigned char>(text[i])));
        if (length == 1) {
            ++i;
            continue;
        }
        folded += platform::AsciiLower(text.substr(runStart, i - runStart));
        folded += text.substr(i, length);
        i += length;
        runStart = i;
    }
    if (runStart < text.size()) folded += platform::AsciiLower(text.substr(runStart));
    return folded;
}

// The candidate's first typed.size() bytes, folded, equal the folded typed text. A
// candidate shorter than the text never matches.
bool BeginsWithFolded(const std::string& candidate, const std::string& foldedTyped) {
    if (candidate.size() < foldedTyped.size()) return false;
    return FoldLocalText(std::string_view(candidate).substr(0, foldedTyped.size())) == foldedTyped;
}

const std::vector<std::string>& FieldList(const CStockDirectory& directory, SearchField field) {
    switch (field) {
        case SearchField::Codes: return directory.Codes();
        case SearchField::Initials: return directory.InitialsList();
        case SearchField::Names: break;
    }
    return directory.Names();
}

}  // namespace

SearchField ChooseSearchField(const std::string& typed) {
    const CClientUtil util;
    if (util.IsDigits(typed)) return SearchField::Codes;
    if (util.HasLetters(typed)) return SearchField::Initials;
    return SearchField::Names;
}

std::vector<std::size_t> MatchStocks(const CStockDirectory& directory, const std::string& typed) {
    const std::vector<std::string>& candidates = FieldList(directory, ChooseSearchField(typed));
    const std::string folded = FoldLocalText(typed);
    std::vector<std::size_t> matches;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (BeginsWithFolded(candidates[i], folded)) matches.push_back(i);
    }
    return matches;
}
