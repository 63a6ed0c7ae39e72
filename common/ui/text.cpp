#include "common/ui/text.h"

#include "common/platform/code_page.h"

namespace ui {

QString ToQString(std::string_view gbk) {
    std::u16string wide;
    platform::MultiByteToWide(platform::kCodePageLocal, gbk, wide);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQString(const QString& text, bool* lost) {
    std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()),
                             static_cast<size_t>(text.size()));
    std::string out;
    platform::WideToMultiByte(platform::kCodePageLocal, wide, out, lost);
    return out;
}

}  // namespace ui
