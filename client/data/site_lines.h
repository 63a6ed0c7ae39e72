#pragma once
// The site ranking of one news category, as the 消息面 detail window lists it: one line
// per site, "1。X出现3次" (number, site name, appearances), each linking to the site's page.
// Lines are taken in entry order while the category's total is not used up: every line
// takes its site's count off the total. A category has ten entries, so there are at most
// ten lines.
#include <string>
#include <vector>

#include "client/data/comprehensive_eval.h"

struct SiteLine {
    std::string text;  // GBK
    std::string link;
};

// Counts are read as decimals the way atoi reads them: text that is not a number counts 0,
// so a category whose total is not a number shows no line. An entry without a name and a
// count ends the list: the server listed fewer sites than its total accounts for.
std::vector<SiteLine> SiteLines(const SiteCategory& category);
