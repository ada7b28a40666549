#include "ui_language.h"

#include <QLibraryInfo>

namespace markwise {

namespace {

// "-12.5", "1.25e+006", "7": an optional minus, digits with at most one point, an
// optional exponent. percent is set when a '%' follows.
bool IsCoreNumber(std::string_view text, bool& percent) {
    percent = !text.empty() && text.back() == '%';
    if (percent)
        text.remove_suffix(1);
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits())
            return false;
    }
    if (i < text.size() && text[i] == 'e') {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (!digits())
            return false;
    }
    return i == text.size();
}

bool LoadProgramTranslation(QTranslator& translator, const QLocale& locale) {
    return translator.load(locale, QStringLiteral("markwise"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
}

} // namespace

bool UiLanguage::HasTranslation(const QLocale& locale) {
    QTranslator probe;
    return LoadProgramTranslation(probe, locale);
}

UiLanguage::UiLanguage(const QLocale& locale) : m_previous(QLocale()) {
    if (LoadProgramTranslation(m_program, locale)) {
        m_translated = QCoreApplication::installTranslator(&m_program);
        if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
    }
    // Numbers follow the language the texts are in: an English text shows 88.5 wherever
    // the machine is.
    QLocale::setDefault(m_translated || locale.language() == QLocale::English ? locale
                                                                              : QLocale::c());
}

UiLanguage::~UiLanguage() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
    QLocale::setDefault(m_previous);
}

NumberForm::NumberForm() : m_point(QLocale().decimalPoint().toStdString()) {
    //: How a percentage is written; %1 is the number. German, French and Spanish put a
    //: no-break space before the sign.
    const std::string form = tr("%1%").toStdString();
    const std::size_t at = form.find("%1");
    if (at != std::string::npos) {
        m_percentBefore = form.substr(0, at);
        m_percentAfter = form.substr(at + 2);
    } else {
        m_percentAfter = "%";
    }
    m_plain = m_point == "." && m_percentBefore.empty() && m_percentAfter == "%";
}

std::string NumberForm::shown(std::string_view text) const {
    bool percent = false;
    if (m_plain || !IsCoreNumber(text, percent))
        return std::string(text);
    std::string_view number = percent ? text.substr(0, text.size() - 1) : text;
    std::string out = percent ? m_percentBefore : std::string();
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos) {
        out += number;
    } else {
        out += number.substr(0, point);
        out += m_point;
        out += number.substr(point + 1);
    }
    return percent ? out + m_percentAfter : out;
}

QString NumberForm::shown(const QString& text) const {
    return m_plain ? text : QString::fromStdString(shown(text.toStdString()));
}

std::string NumberForm::typed(std::string_view text) const {
    std::string out(text);
    if (m_point == ".")
        return out;
    const std::size_t at = out.find(m_point);
    if (at == std::string::npos || out.find(m_point, at + 1) != std::string::npos)
        return out;
    out.replace(at, m_point.size(), ".");
    bool percent = false;
    std::string_view trimmed = out;
    while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t'))
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t'))
        trimmed.remove_suffix(1);
    if (!trimmed.empty() && trimmed.front() == '+')
        trimmed.remove_prefix(1);
    return IsCoreNumber(trimmed, percent) && !percent ? out : std::string(text);
}

} // namespace markwise
