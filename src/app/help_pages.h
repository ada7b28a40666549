#pragma once

#include <QLocale>
#include <QUrl>

namespace markwise {

// The help's entry page in the language of the program's texts: the default QLocale
// follows the installed translation, so a language with help pages of its own opens them
// and any other (English, C, a language without a translation) opens the English ones.
QUrl HelpIndexUrl(const QLocale& language = QLocale());

} // namespace markwise
