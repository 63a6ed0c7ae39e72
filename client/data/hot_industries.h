#pragma once
// CHotIndustries: the hottest industries of the day with their index change (at most 10).
#include <cstddef>
#include <string>
#include <vector>

class CXmlFile;
class DocumentSource;

struct HotIndustryRow {
    std::string industryName;
    std::string avgUpDown;  // the industry index change
    std::string num;
    std::string tradingTime;
    std::vector<std::string> Texts() const;
};

class CHotIndustries {
public:
    static constexpr std::size_t kCapacity = 10;

    CHotIndustries();
    explicit CHotIndustries(DocumentSource& source);

    std::size_t Count() const { return rows_.size(); }
    const HotIndustryRow& Row(std::size_t index) const;

private:
    std::vector<HotIndustryRow> rows_;
};
