#pragma once

#include "core/cutoffs.h"

#include <QCoreApplication>
#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace markwise {

class DialogHost;

// "Preferences": the twelve grade cutoffs. OK saves the new set in the profile at once and
// gives it to the application and every open grade sheet, so no later close writes it over.
class CPreferencesDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CPreferencesDlg)
public:
    explicit CPreferencesDlg(DialogHost& host, QWidget* parent = nullptr);

    void accept() override;
    // The Default button: shows the standard cutoffs; nothing changes until OK.
    void ShowDefaults();

    // Boxes in grade order, A+ first.
    QLineEdit* CutoffBox(int grade) const { return m_boxes[grade]; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* DefaultButton() const { return m_default; }

private:
    void Show(const CGradeCutoffs& cutoffs);

    DialogHost& m_host;
    std::array<QLineEdit*, kGradeCount - 1> m_boxes{};
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_default;
};

} // namespace markwise
