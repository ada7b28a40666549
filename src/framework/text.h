#pragma once

#include "core/message.h"

#include <QString>
#include <string>
#include <string_view>

namespace markwise {

// The one place where the program's UTF-8 texts meet Qt's strings.
QString toQString(std::string_view utf8);
std::string fromQString(const QString& text);

// A sentence of the core in the language of the installed translation: its template
// translated in the context "CoreMessage", each argument (translated too when it is a
// sentence of its own) filled in. Texts (a file's cells, a path, the system's words) and
// numbers stay as the core wrote them; with no translation this is the core's English.
QString translated(const Message& message);

} // namespace markwise
