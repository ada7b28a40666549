#pragma once

#include "core/capacity.h"
#include "core/cutoffs.h"
#include "geometry/progress_report_state.h"

#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace markwise {

class CMarkwiseDoc;
class LimitedLineEdit;

// "Progress Reports": finds the students at or below a percent and takes a comment for
// each student found. It writes only the report window's state, never the class. It ends
// through "Generate" (or Escape) once a search has run; Enter never ends it.
class CProgressReportsDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CProgressReportsDlg)
public:
    static constexpr int kCommentLimit = kMaxCommentChars;

    // Empties the window's found list; repaint redraws the window.
    CProgressReportsDlg(ProgressReportState& report, const CMarkwiseDoc& doc,
                        const CGradeCutoffs& cutoffs, std::function<void()> repaint,
                        QWidget* parent = nullptr);

    // The OK command does nothing: the dialog stays open.
    void accept() override;
    // "Generate": repaints the window and ends the dialog, once a search has run.
    void reject() override;

    void OnFindStudents();
    void OnSelchangeStudents();
    void OnUpdateComment();

    QLineEdit* CutoffBox() const { return m_cutoffBox; }
    QListWidget* List() const { return m_list; }
    QLineEdit* PercentBox() const { return m_percentBox; }
    QLineEdit* GradeBox() const { return m_gradeBox; }
    QLineEdit* CommentBox() const;
    QPushButton* FindButton() const { return m_find; }
    QPushButton* GenerateButton() const { return m_generate; }
    QPushButton* UpdateButton() const { return m_update; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LayOut();
    // true: the boxes into the fields (false, with a message, for a cut-off that is no
    // number); false: the fields into the boxes.
    bool UpdateData(bool save);

    ProgressReportState& m_report;
    const CMarkwiseDoc& m_doc;
    CGradeCutoffs m_cutoffs;
    std::function<void()> m_repaint;
    bool m_opened = false;

    double m_cutoff = 70;
    double m_percent = 0;
    std::string m_grade;
    std::string m_comment;

    QLineEdit* m_cutoffBox;
    QListWidget* m_list;
    QLineEdit* m_percentBox;
    QLineEdit* m_gradeBox;
    LimitedLineEdit* m_commentBox;
    QPushButton* m_find;
    QPushButton* m_generate;
    QPushButton* m_update;
};

} // namespace markwise
