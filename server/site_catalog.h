#pragma once
// The web sites whose mentions of a stock the news dimension counts, by category.
#include <string>
#include <vector>

namespace server {

struct NewsSiteCategory {
    const char* element;  // element name in the evaluation document
    const char* caption;  // what the client shows
    const char* slug;     // used in the sites' page addresses
    std::vector<std::string> sites;  // at least ten
};

const std::vector<NewsSiteCategory>& NewsSiteCategories();

}  // namespace server
