#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <string>
#include <string_view>

namespace markwise {

// The program in the user's language: the translation of the system locale's language
// (markwise_<lang>, built into the program) and Qt's own for its standard buttons
// (qtbase_<lang>, where Qt's translations are installed). English, or a language with no
// translation, keeps the program's own English texts. The language's locale becomes the
// default QLocale, so the numbers shown follow it. Lives as long as the application.
class UiLanguage {
public:
    explicit UiLanguage(const QLocale& locale = QLocale::system());
    ~UiLanguage();
    UiLanguage(const UiLanguage&) = delete;
    UiLanguage& operator=(const UiLanguage&) = delete;

    // True when a translation of the program was found and installed.
    bool translated() const { return m_translated; }
    // Whether a UiLanguage of locale would translate, found without an application object
    // (so the English way needs none).
    static bool HasTranslation(const QLocale& locale = QLocale::system());

private:
    QTranslator m_program;
    QTranslator m_qt;
    QLocale m_previous;
    bool m_translated = false;
};

// Numbers between the core's texts and the desktop's: the core writes and reads "%g"-style
// texts with a point ("88.5", "-2", "1.25e+006", "88.5%"); on screen and on the desktop's
// paper they follow the default QLocale's decimal separator and the translation's percent
// form ("88,5 %" in German). Files, CSV and the command line never pass through here.
class NumberForm {
    Q_DECLARE_TR_FUNCTIONS(NumberForm)

public:
    NumberForm(); // of the default QLocale and the installed translation

    // text as shown: a number's point becomes the separator; any other text stays as it is.
    std::string shown(std::string_view text) const;
    QString shown(const QString& text) const;
    // What was typed, for the core to read: "88,5" becomes "88.5" (a point is taken too).
    std::string typed(std::string_view text) const;
    // The decimal separator, UTF-8: "." or ",".
    const std::string& point() const { return m_point; }
    // True when shown changes nothing (a point and a plain percent sign).
    bool plain() const { return m_plain; }

private:
    std::string m_point;         // the decimal separator, UTF-8
    std::string m_percentBefore; // the percent form around the number: "", "\u00a0%"
    std::string m_percentAfter;
    bool m_plain = true; // "." and "%1%": every text stays as it is
};

} // namespace markwise
