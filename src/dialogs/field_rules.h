#pragma once

#include <QCoreApplication>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <string>

namespace markwise {

// Lets only digits be typed into a box, the way a digits-only edit control does: a value
// already in the box ("7.5" loaded from the class) stays as it is and can be edited; only
// the characters a key press would add are checked.
class DigitsOnlyFilter : public QObject {
public:
    explicit DigitsOnlyFilter(QObject* parent = nullptr) : QObject(parent) {}
    static void Install(QLineEdit* box);
    // Whether a key press that produces this text may reach the box.
    static bool AllowsKeyText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Characters as the user sees them: code points, a surrogate pair counting once.
int CharacterCount(const QString& text);

// A text box with a character limit. Typing stops at the limit; a longer text loaded from
// the class is shown whole rather than cut short, so that reading it fails with a message
// instead of silently dropping characters.
class LimitedLineEdit : public QLineEdit {
public:
    explicit LimitedLineEdit(int limit, QWidget* parent = nullptr);
    int Limit() const { return m_limit; }
    void SetLimitedText(const QString& text);

private:
    int m_limit;
    int m_allowed; // the limit, or a longer loaded text's length until it is shortened
};

// A whole number as a dialog's integer box reads it: blanks around an optional sign and
// digits; false for anything else, an empty text or a value out of range.
bool ParseInteger(const QString& text, int& value);

// Reads a dialog's boxes in turn. The first box that holds an unacceptable value shows one
// message in plain words, takes the focus, and makes this and every later read fail, so the
// caller stops before changing anything.
class FieldReader {
    Q_DECLARE_TR_FUNCTIONS(FieldReader)
public:
    explicit FieldReader(QWidget* dialog) : m_dialog(dialog) {}

    // A text box's content as the class stores it.
    bool Text(QLineEdit* box, std::string& value);
    bool Text(LimitedLineEdit* box, const QString& name, std::string& value);
    bool Number(QLineEdit* box, const QString& name, double& value);
    bool Integer(QLineEdit* box, const QString& name, int& value);
    bool Ok() const { return m_ok; }

private:
    bool Fail(QLineEdit* box, const QString& message);

    QWidget* m_dialog;
    bool m_ok = true;
};

} // namespace markwise
