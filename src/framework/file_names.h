#pragma once

#include <QString>
#include <string>

namespace markwise {

// "Markwise Data Files (*.mkw)"; the program's file dialogs match .mkw and .MKW alike.
QString classFileFilter();
// path with ".MKW" appended when its file name has no extension.
QString withClassExtension(const QString& path);
// The bytes the operating system knows the path by.
std::string pathBytes(const QString& path);

} // namespace markwise
