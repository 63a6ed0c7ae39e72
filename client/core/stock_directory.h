#pragma once
// The stock directory: every stock the client can look up, in the order StockInfo.xml
// lists them. Index i of the three lists describes one stock. Texts are GBK bytes.
#include <cstddef>
#include <string>
#include <vector>

class CStockDirectory {
public:
    void Append(std::string code, std::string initials, std::string name);
    void Clear();

    std::size_t Size() const { return codes_.size(); }
    bool Empty() const { return codes_.empty(); }
    const std::string& Code(std::size_t i) const { return codes_[i]; }
    const std::string& Initials(std::size_t i) const { return initials_[i]; }
    const std::string& Name(std::size_t i) const { return names_[i]; }

    const std::vector<std::string>& Codes() const { return codes_; }
    const std::vector<std::string>& InitialsList() const { return initials_; }
    const std::vector<std::string>& Names() const { return names_; }

private:
    std::vector<std::string> codes_;
    std::vector<std::string> initials_;
    std::vector<std::string> names_;
};

// Reads the `Stock` elements (attributes StockId, StockChi, StockName) of `fileName` in the
// program directory. A missing, unreadable or malformed file gives an empty directory.
CStockDirectory LoadStockDirectory(const std::string& fileName = "StockInfo.xml");
