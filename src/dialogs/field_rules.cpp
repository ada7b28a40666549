#include "field_rules.h"

#include "core/number_text.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "framework/ui_seam.h"

#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

namespace markwise {

void DigitsOnlyFilter::Install(QLineEdit* box) {
    box->installEventFilter(new DigitsOnlyFilter(box));
    box->setInputMethodHints(Qt::ImhDigitsOnly);
}

bool DigitsOnlyFilter::AllowsKeyText(const QString& text) {
    // Keys without printable text (Backspace, arrows, shortcuts) are the box's own business.
    if (text.isEmpty() || !text.front().isPrint())
        return true;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!shortcut && !AllowsKeyText(key->text()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

int CharacterCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}

namespace {

// Refuses an edit that would take a box past its allowance. A box's own maximum length
// counts UTF-16 units, which would let a character outside the BMP count twice.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(const int& allowed, QObject* parent) : QValidator(parent), m_allowed(allowed) {}
    State validate(QString& input, int&) const override {
        return CharacterCount(input) <= m_allowed ? Acceptable : Invalid;
    }

private:
    const int& m_allowed;
};

} // namespace

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent)
    : QLineEdit(parent), m_limit(limit), m_allowed(limit) {
    setValidator(new CharacterLimit(m_allowed, this));
    // Once a too-long text is shortened, the box never lets it grow again.
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_allowed = std::max(m_limit, CharacterCount(text)); });
}

void LimitedLineEdit::SetLimitedText(const QString& text) {
    m_allowed = std::max(m_limit, CharacterCount(text));
    setText(text);
    // A loaded text shows from its beginning.
    setCursorPosition(0);
}

bool ParseInteger(const QString& text, int& value) {
    // Qt's trimming also takes the blanks beyond ASCII that a paste may bring.
    return ParseWholeNumber(text.trimmed().toStdString(), value);
}

bool FieldReader::Text(QLineEdit* box, std::string& value) {
    if (!m_ok)
        return false;
    value = fromQString(box->text());
    return true;
}

bool FieldReader::Text(LimitedLineEdit* box, const QString& name, std::string& value) {
    if (!m_ok)
        return false;
    if (CharacterCount(box->text()) > box->Limit()) {
        return Fail(box, tr("\"%1\" holds more than %2 characters. Please shorten it.")
                             .arg(name)
                             .arg(box->Limit()));
    }
    return Text(static_cast<QLineEdit*>(box), value);
}

bool FieldReader::Number(QLineEdit* box, const QString& name, double& value) {
    if (!m_ok)
        return false;
    if (!ParseNumber(NumberForm().typed(fromQString(box->text())), value))
        return Fail(box, tr("Please enter a number in \"%1\".").arg(name));
    return true;
}

bool FieldReader::Integer(QLineEdit* box, const QString& name, int& value) {
    if (!m_ok)
        return false;
    if (!ParseInteger(box->text(), value))
        return Fail(box, tr("Please enter a whole number in \"%1\".").arg(name));
    return true;
}

bool FieldReader::Fail(QLineEdit* box, const QString& message) {
    m_ok = false;
    UiSeam::tell(m_dialog, message);
    box->setFocus();
    box->selectAll();
    return false;
}

} // namespace markwise
