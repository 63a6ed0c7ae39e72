#pragma once
// Text crossing between the program (GBK bytes in std::string) and Qt (QString).
#include <QString>

#include <string>
#include <string_view>

namespace ui {

// GBK bytes to a QString. Bytes that do not decode become '?'.
QString ToQString(std::string_view gbk);

// A QString to GBK bytes. Characters GBK cannot hold become '?'; `lost` reports them.
std::string FromQString(const QString& text, bool* lost = nullptr);

}  // namespace ui
