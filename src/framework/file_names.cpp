#include "file_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <climits>
#include <cstdlib>

namespace markwise {

QString classFileFilter() {
    return QCoreApplication::translate("Files", "Markwise Data Files (*.mkw)");
}

QString withClassExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).fileName().endsWith('.')
               ? path + QStringLiteral(".MKW")
               : path;
}

namespace {
constexpr char16_t kStrayFirst = 0xDC80;
constexpr char16_t kStrayLast = 0xDCFF;

// Length of the well-formed UTF-8 sequence at bytes[i], or 0 when it is not one.
std::size_t utf8Length(const std::string& bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code >= min && code <= 0x10FFFF && !surrogate ? length : 0;
}
} // namespace

std::string pathBytes(const QString& path) {
    std::string bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        const bool stray =
            i < path.size() && path[i].unicode() >= kStrayFirst && path[i].unicode() <= kStrayLast;
        if (i == path.size() || stray) {
            bytes += path.mid(start, i - start).toStdString();
            if (stray)
                bytes += static_cast<char>(path[i].unicode() - kStrayFirst + 0x80);
            start = i + 1;
        }
    }
    return bytes;
}

QString canonicalPath(const QString& path) {
    char resolved[PATH_MAX];
    return ::realpath(pathBytes(path).c_str(), resolved) ? pathFromBytes(resolved) : QString();
}

QString pathFromBytes(const std::string& bytes) {
    QString path;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8Length(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        path += QString::fromUtf8(bytes.data() + start, qsizetype(i - start));
        path += QChar(char16_t(kStrayFirst + static_cast<unsigned char>(bytes[i]) - 0x80));
        start = ++i;
    }
    return path + QString::fromUtf8(bytes.data() + start, qsizetype(bytes.size() - start));
}

} // namespace markwise
