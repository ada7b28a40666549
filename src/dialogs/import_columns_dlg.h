#pragma once

#include "core/csv_merge.h"

#include <QCoreApplication>
#include <QDialog>
#include <vector>

class QTableView;
class QPushButton;

namespace markwise {

class CMarkwiseDoc;
class ImportColumnsModel;

// Lists every column of a file and what it became (a student field, scores, or ignored and
// why), and lets the teacher change that per column before anything is applied. A scores
// column shows its points possible: the file's, or a proposal from the highest score that
// the teacher must confirm or change. Importing scores into a class, it also shows which
// assignment each scores column goes into (matched by title, or new), changeable too.
class CImportColumnsDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CImportColumnsDlg)
public:
    // doc and plan: the class scores are imported into and the merge as first planned;
    // null for a file opened as a new class.
    CImportColumnsDlg(const CsvSheet& sheet, const CMarkwiseDoc* doc, const MergePlan* plan,
                      const QString& fileName, QWidget* parent = nullptr);

    // The table and its rows, for tests and for the user's eyes alike.
    QTableView* Table() const { return m_table; }
    ImportColumnsModel* Model() const { return m_model; }
    QPushButton* OkButton() const { return m_ok; }

    // The columns as set now; false with the row named when a points box holds no number.
    bool Choices(std::vector<CsvColumnChoice>& choices, std::vector<int>& targets,
                 QString& error) const;

    // Takes a box still open as typed; refuses with a message while a points box is not a
    // number.
    void accept() override;

private:
    ImportColumnsModel* m_model;
    QTableView* m_table;
    QPushButton* m_ok;
};

} // namespace markwise
