#include "client/core/stock_directory.h"

#include <utility>

#include "common/platform/log.h"
#include "common/xml/xml_file.h"

void CStockDirectory::Append(std::string code, std::string initials, std::string name) {
    codes_.push_back(std::move(code));
    initials_.push_back(std::move(initials));
    names_.push_back(std::move(name));
}

void CStockDirectory::Clear() {
    codes_.clear();
    initials_.clear();
    names_.clear();
}

CStockDirectory LoadStockDirectory(const std::string& fileName) {
    CStockDirectory directory;
    CXmlFile file(fileName);
    // A damaged file may still be partly indexed; half a directory would hide stocks
    // without telling anyone, so it counts as no directory at all.
    if (!file.Doc().IsWellFormed()) {
        platform::Log(platform::LogLevel::Warning, "quorvel.search",
                      file.Path() + " missing or damaged; the stock search list is empty");
        return directory;
    }
    if (!file.Descend("Stock")) return directory;
    do {
        directory.Append(file.GetAttr("StockId"), file.GetAttr("StockChi"), file.GetAttr("StockName"));
    } while (file.FindNext("Stock"));
    return directory;
}
