#include "text.h"

#include "core/encoding.h"

namespace markwise {

QString toQString(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string fromQString(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

} // namespace markwise
