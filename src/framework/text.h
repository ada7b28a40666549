#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace markwise {

// The one place where document bytes (Windows-1252) meet Qt's Unicode strings.
QString toQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become '?'.
std::string fromQString(const QString& text);

} // namespace markwise
