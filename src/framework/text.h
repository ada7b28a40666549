#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace markwise {

// The one place where the program's UTF-8 texts meet Qt's strings.
QString toQString(std::string_view utf8);
std::string fromQString(const QString& text);

} // namespace markwise
