#pragma once

#include "core/csv_merge.h"

#include <QCoreApplication>
#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace markwise {

class CMarkwiseDoc;

// Asks how the rows of a CSV file find their students: by student ID or by last and first
// name. Offers the ID first when the file has an ID column. Nothing when cancelled.
std::optional<MergeMatch> ChooseMergeMatch(QWidget* parent, const CsvSheet& sheet);

// Shows everything importing scores would do before anything changes: students matched,
// rows skipped with their names, assignments added, every score that changes (old and
// new) and the characters that became "?". Apply accepts; nothing else changes anything.
class CImportPreviewDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CImportPreviewDlg)
public:
    CImportPreviewDlg(const CMarkwiseDoc& doc, const MergePlan& plan, const QString& fileName,
                      QWidget* parent = nullptr);

    // "3 students matched, 1 row skipped, 1 assignment added, 7 scores changed."
    QString SummaryText() const;
    // The lines listed under each heading, for tests and for the user's eyes alike.
    QTreeWidget* Details() const { return m_details; }
    QPushButton* ApplyButton() const { return m_apply; }

private:
    void AddSections(const CMarkwiseDoc& doc);

    const MergePlan& m_plan;
    QLabel* m_summary;
    QTreeWidget* m_details;
    QPushButton* m_apply;
    QPushButton* m_cancel;
};

} // namespace markwise
