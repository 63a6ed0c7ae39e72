#pragma once
// The stocks the server knows: read from the stock directory file that is installed
// beside the client (StockInfo.xml), in file order.
#include <map>
#include <string>
#include <vector>

namespace server {

struct StockEntry {
    std::string code;      // six digits
    std::string initials;  // pinyin initials, upper case
    std::string name;      // UTF-8
};

class StockDirectory {
public:
    // Reads the file; false (and an empty directory) when it cannot be read.
    bool Load(const std::string& path);
    // Parses the text of a stock directory file.
    void Parse(const std::string& text);

    const std::vector<StockEntry>& All() const { return stocks_; }
    // The stock with this code, or nullptr.
    const StockEntry* Find(const std::string& code) const;

private:
    std::vector<StockEntry> stocks_;
    std::map<std::string, std::size_t> byCode_;
};

// Value of attribute `name` inside one start tag's text, unescaped; "" when absent.
std::string AttributeOf(const std::string& tag, const std::string& name);

}  // namespace server
