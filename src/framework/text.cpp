#include "text.h"

#include "core/encoding.h"

namespace markwise {

QString toQString(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string fromQString(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

QStringList UnstorableCharacters(const QString& text) {
    QStringList found;
    for (const std::string& character : UnstorableCharacters(text.toStdString()))
        found << QString::fromStdString(character);
    return found;
}

QString PlainEquivalent(const QString& text) {
    // Letters whose stroke or dot is part of the letter, so no decomposition removes it.
    static const std::pair<char16_t, char16_t> kStroked[] = {
        {u'\u0141', u'L'}, {u'\u0142', u'l'}, {u'\u0110', u'D'},
        {u'\u0111', u'd'}, {u'\u0126', u'H'}, {u'\u0127', u'h'},
        {u'\u0131', u'i'}, {u'\u0166', u'T'}, {u'\u0167', u't'}};
    QString plain;
    for (const char32_t cp : text.toUcs4()) {
        const QString character = QString::fromUcs4(&cp, 1);
        // Letters a class file holds keep their accents.
        if (UnstorableCharacters(character).isEmpty()) {
            plain += character;
            continue;
        }
        for (const QChar c : character.normalized(QString::NormalizationForm_KD)) {
            if (c.category() == QChar::Mark_NonSpacing)
                continue;
            QChar letter = c;
            for (const auto& [stroked, base] : kStroked) {
                if (c == QChar(stroked))
                    letter = QChar(base);
            }
            plain += letter;
        }
    }
    return plain;
}

} // namespace markwise
