#pragma once

#include "core/grading_policy.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace markwise {

class DialogHost;

// The line under the category list: each category's share of the weights, "Weights:
// Homework 30%, Tests 50%, Labs 20%"; every share 0 while the weights sum to 0.
QString WeightsLine(const GradingPolicy& policy);

// "Grading Policy": the class's categories, their weights and drops, and which category
// each assignment belongs to. Everything is worked on in a copy; OK stores it as one step.
class CGradingPolicyDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CGradingPolicyDlg)

public:
    explicit CGradingPolicyDlg(DialogHost& host, QWidget* parent = nullptr);

    void accept() override;

    // The copy being edited.
    const GradingPolicy& Policy() const { return m_policy; }
    const std::vector<int>& CategoryOfAssignment() const { return m_categoryOf; }

    QListWidget* CategoryList() const { return m_categories; }
    QListWidget* MemberList() const { return m_members; }
    QLineEdit* WeightBox() const { return m_weight; }
    QLineEdit* DropBox() const { return m_drop; }
    QComboBox* MoveToBox() const { return m_moveTo; }
    QLabel* WeightsLabel() const { return m_weightsLine; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RenameButton() const { return m_rename; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    QPushButton* MoveButton() const { return m_move; }

private:
    void BuildLayout();
    // Shows the copy: the list, the selected category's boxes and members, the line.
    void Refresh();
    void ShowWeightsLine();
    int Selected() const;
    // A category name asked for; empty when cancelled or refused (with a message).
    QString AskName(const QString& caption, const QString& initial);
    void AddCategory();
    void RenameCategory();
    void RemoveCategory();
    // Exchanges the selected category with the one `step` places away.
    void MoveCategory(int step);
    void MoveAssignment();
    // The boxes' values into the selected category; false (with a message) when one is
    // not acceptable.
    bool TakeBoxes(bool tell);
    // The assignments of the selected category, in class order, as the member list shows them.
    std::vector<int> Members() const;

    DialogHost& m_host;
    GradingPolicy m_policy;
    std::vector<int> m_categoryOf;
    QListWidget* m_categories;
    QListWidget* m_members;
    QLineEdit* m_weight;
    QLineEdit* m_drop;
    QComboBox* m_moveTo;
    QLabel* m_weightsLine;
    QPushButton* m_add;
    QPushButton* m_rename;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_move;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace markwise
