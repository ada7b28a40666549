#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace markwise {

// The one place where document bytes (Windows-1252) meet Qt's Unicode strings.
QString toQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become '?'.
std::string fromQString(const QString& text);
// The characters of `text` that a class file cannot hold, each once; empty when it can.
QStringList UnstorableCharacters(const QString& text);
// `text` with accents dropped from letters that a class file cannot hold ("Nguyễn" gives
// "Nguyen", "Łukasz" gives "Lukasz"); characters without a plain form stay as they are.
QString PlainEquivalent(const QString& text);

} // namespace markwise
