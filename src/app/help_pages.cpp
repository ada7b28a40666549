#include "help_pages.h"

#include <QFile>

namespace markwise {

QUrl HelpIndexUrl(const QLocale& language) {
    const QString translated =
        QStringLiteral("/help/%1/index.html").arg(QLocale::languageToCode(language.language()));
    if (QFile::exists(QLatin1Char(':') + translated))
        return QUrl(QStringLiteral("qrc:") + translated);
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

} // namespace markwise
