#include "file_names.h"

#include <QFile>
#include <QFileInfo>

namespace markwise {

QString classFileFilter() {
    return QStringLiteral("Markwise Data Files (*.mkw)");
}

QString withClassExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).fileName().endsWith('.')
               ? path + QStringLiteral(".MKW")
               : path;
}

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace markwise
