#pragma once

#include <QString>
#include <string>

namespace markwise {

// "Markwise Data Files (*.mkw)"; the program's file dialogs match .mkw and .MKW alike.
QString classFileFilter();
// path with ".MKW" appended when its file name has no extension.
QString withClassExtension(const QString& path);
// The bytes the operating system knows the path by, and back. Unlike QFile::encodeName
// and decodeName these keep a name that is not UTF-8: each stray byte becomes a code point
// U+DC80..U+DCFF and back (as Python's "surrogateescape"), so such a class opens and saves
// under its own name. A path with such bytes shows them as unknown characters.
std::string pathBytes(const QString& path);
QString pathFromBytes(const std::string& bytes);
// The path with links, "." and ".." resolved; empty when the file does not exist.
QString canonicalPath(const QString& path);

} // namespace markwise
