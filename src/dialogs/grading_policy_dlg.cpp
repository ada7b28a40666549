#include "grading_policy_dlg.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "core/policy_edit.h"
#include "dialog_host.h"
#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/class_editor.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "framework/ui_seam.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace markwise {

QString WeightsLine(const GradingPolicy& policy) {
    // Weights near the largest double would make their sum infinite: they are scaled by
    // the largest first, which changes no share.
    double largest = 0.0;
    for (const GradeCategory& category : policy.categories)
        largest = std::max(largest, category.weight);
    double sum = 0.0;
    for (const GradeCategory& category : policy.categories)
        sum += category.weight;
    const double scale = std::isfinite(sum) ? 1.0 : largest;
    if (!std::isfinite(sum)) {
        sum = 0.0;
        for (const GradeCategory& category : policy.categories)
            sum += category.weight / scale;
    }
    const NumberForm numbers;
    QStringList shares;
    for (const GradeCategory& category : policy.categories) {
        const double share = sum > 0.0 ? category.weight / scale / sum * 100.0 : 0.0;
        shares.append(QStringLiteral("%1 %2").arg(toQString(category.name),
                                                  toQString(numbers.shown(FormatPercentG(share)))));
    }
    //: %1 lists each category's share of the weights.
    return CGradingPolicyDlg::tr("Weights: %1").arg(shares.join(QStringLiteral(", ")));
}

CGradingPolicyDlg::CGradingPolicyDlg(DialogHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_policy(host.data().m_policy),
      m_categories(MakeList(this, tr("Categories"), 24, 8)),
      m_members(MakeList(this, tr("Assignments in the category"), 24, 8)),
      m_weight(new QLineEdit(this)), m_drop(new QLineEdit(this)), m_moveTo(new QComboBox(this)),
      m_weightsLine(new QLabel(this)), m_add(MakeButton(tr("Add..."), this)),
      m_rename(MakeButton(tr("Rename..."), this)), m_remove(MakeButton(tr("Remove"), this)),
      m_up(MakeButton(tr("Move Up"), this)), m_down(MakeButton(tr("Move Down"), this)),
      m_move(MakeButton(tr("Move"), this)), m_ok(MakeButton(tr("OK"), this)),
      m_cancel(MakeButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Grading Policy"));
    const CMarkwiseDoc& doc = host.data();
    const int count = static_cast<int>(m_policy.categories.size());
    for (int a = 0; a < doc.AssignmentsInUse(); ++a) {
        const int c = doc.m_assignments[a].m_category;
        m_categoryOf.push_back(c >= 0 && c < count ? c : 0);
    }
    BuildLayout();

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CGradingPolicyDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CGradingPolicyDlg::reject);
    connect(m_add, &QPushButton::clicked, this, &CGradingPolicyDlg::AddCategory);
    connect(m_rename, &QPushButton::clicked, this, &CGradingPolicyDlg::RenameCategory);
    connect(m_remove, &QPushButton::clicked, this, &CGradingPolicyDlg::RemoveCategory);
    connect(m_up, &QPushButton::clicked, this, [this] { MoveCategory(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveCategory(1); });
    connect(m_move, &QPushButton::clicked, this, &CGradingPolicyDlg::MoveAssignment);
    connect(m_categories, &QListWidget::currentRowChanged, this, &CGradingPolicyDlg::Refresh);
    connect(m_members, &QListWidget::currentRowChanged, this,
            [this](int row) { m_move->setEnabled(row >= 0 && m_policy.categories.size() > 1); });
    // The line follows every acceptable value as it is typed.
    for (QLineEdit* box : {m_weight, m_drop}) {
        connect(box, &QLineEdit::textEdited, this, [this] {
            TakeBoxes(false);
            ShowWeightsLine();
        });
    }

    Refresh();
    m_categories->setFocus();
}

void CGradingPolicyDlg::BuildLayout() {
    // Several assignments move to another category at once.
    m_members->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SetWidthInChars(m_weight, 10);
    SetWidthInChars(m_drop, 10);
    m_weightsLine->setWordWrap(true);

    auto* categoryColumn = new QVBoxLayout;
    categoryColumn->addWidget(MakeLabel(tr("Categories:"), m_categories, this));
    categoryColumn->addWidget(m_categories, 1);
    auto* boxes = new QGridLayout;
    boxes->addWidget(MakeLabel(tr("Weight:"), m_weight, this), 0, 0);
    boxes->addWidget(m_weight, 0, 1, Qt::AlignLeft);
    boxes->addWidget(MakeLabel(tr("Drop lowest:"), m_drop, this), 1, 0);
    boxes->addWidget(m_drop, 1, 1, Qt::AlignLeft);
    categoryColumn->addLayout(boxes);

    auto* memberColumn = new QVBoxLayout;
    memberColumn->addWidget(MakeLabel(tr("Assignments in this category:"), m_members, this));
    memberColumn->addWidget(m_members, 1);
    auto* moveRow = new QHBoxLayout;
    moveRow->addWidget(MakeLabel(tr("Move to:"), m_moveTo, this));
    moveRow->addWidget(m_moveTo, 1);
    moveRow->addWidget(m_move);
    memberColumn->addLayout(moveRow);

    auto* lists = new QHBoxLayout;
    lists->addLayout(categoryColumn);
    lists->addLayout(MakeButtonColumn({m_add, m_rename, m_remove, m_up, m_down}));
    lists->addLayout(memberColumn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(m_weightsLine);
    layout->addLayout(MakeButtonRow({m_ok, m_cancel}));

    setTabOrder(m_categories, m_add);
    setTabOrder(m_add, m_rename);
    setTabOrder(m_rename, m_remove);
    setTabOrder(m_remove, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_weight);
    setTabOrder(m_weight, m_drop);
    setTabOrder(m_drop, m_members);
    setTabOrder(m_members, m_moveTo);
    setTabOrder(m_moveTo, m_move);
    setTabOrder(m_move, m_ok);
    setTabOrder(m_ok, m_cancel);
}

int CGradingPolicyDlg::Selected() const {
    const int row = m_categories->currentRow();
    return row >= 0 && row < static_cast<int>(m_policy.categories.size()) ? row : -1;
}

std::vector<int> CGradingPolicyDlg::Members() const {
    std::vector<int> members;
    const int selected = Selected();
    for (int a = 0; a < static_cast<int>(m_categoryOf.size()); ++a) {
        if (m_categoryOf[a] == selected)
            members.push_back(a);
    }
    return members;
}

void CGradingPolicyDlg::Refresh() {
    const int count = static_cast<int>(m_policy.categories.size());
    QStringList names;
    for (const GradeCategory& category : m_policy.categories)
        names.append(toQString(category.name));
    int selected = m_categories->currentRow();
    if (count > 0)
        selected = std::clamp(selected, 0, count - 1);
    else
        selected = -1;
    bool sameNames = m_categories->count() == names.size();
    for (int i = 0; sameNames && i < names.size(); ++i)
        sameNames = m_categories->item(i)->text() == names[i];
    if (!sameNames || m_categories->currentRow() != selected) {
        const QSignalBlocker blocker(m_categories);
        FillList(m_categories, names, selected);
    }
    {
        const QSignalBlocker blocker(m_moveTo);
        const int chosen = m_moveTo->currentIndex();
        m_moveTo->clear();
        m_moveTo->addItems(names);
        // The last target stays chosen for the next move; never the category shown.
        int target = count > 1 ? (selected + 1) % count : count - 1;
        if (chosen >= 0 && chosen < count && chosen != selected)
            target = chosen;
        m_moveTo->setCurrentIndex(target);
    }

    const bool any = selected >= 0;
    for (QWidget* widget : {static_cast<QWidget*>(m_rename), static_cast<QWidget*>(m_remove),
                            static_cast<QWidget*>(m_weight), static_cast<QWidget*>(m_drop),
                            static_cast<QWidget*>(m_moveTo)})
        widget->setEnabled(any);
    m_add->setEnabled(count < kMaxCategories);
    m_up->setEnabled(selected > 0);
    m_down->setEnabled(any && selected < count - 1);
    if (any) {
        const GradeCategory& category = m_policy.categories[selected];
        const NumberForm numbers;
        m_weight->setText(toQString(numbers.shown(FormatNumber15(category.weight))));
        m_drop->setText(toQString(FormatNumber15(category.dropLowest)));
    } else {
        m_weight->clear();
        m_drop->clear();
    }

    QStringList members;
    for (int a : Members())
        members.append(toQString(m_host.data().m_assignments[a].m_title));
    FillList(m_members, members, members.isEmpty() ? -1 : 0);
    m_move->setEnabled(!members.isEmpty() && count > 1);
    ShowWeightsLine();
}

void CGradingPolicyDlg::ShowWeightsLine() {
    m_weightsLine->setText(m_policy.categories.empty()
                               ? tr("No categories: grades count points only.")
                               : WeightsLine(m_policy));
}

bool CGradingPolicyDlg::TakeBoxes(bool tell) {
    const int selected = Selected();
    if (selected < 0)
        return true;
    GradeCategory& category = m_policy.categories[selected];
    double weight = 0.0;
    if (!ParseNumber(NumberForm().typed(fromQString(m_weight->text())), weight) ||
        !std::isfinite(weight) || weight < 0.0) {
        if (tell) {
            UiSeam::warn(this, tr("The weight must be a number of 0 or more."));
            m_weight->setFocus();
            m_weight->selectAll();
        }
        return false;
    }
    int drop = 0;
    if (!ParseWholeNumber(fromQString(m_drop->text()), drop) || drop < 0) {
        if (tell) {
            UiSeam::warn(this, tr("Drop lowest must be a whole number of 0 or more."));
            m_drop->setFocus();
            m_drop->selectAll();
        }
        return false;
    }
    category.weight = weight;
    category.dropLowest = drop;
    return true;
}

QString CGradingPolicyDlg::AskName(const QString& caption, const QString& initial) {
    const QString name = UiSeam::askText(this, caption, tr("Category name:"), initial).trimmed();
    if (CharacterCount(name) > kMaxCategoryNameLength) {
        UiSeam::warn(
            this,
            tr("A category name can be at most %1 characters long.").arg(kMaxCategoryNameLength));
        return {};
    }
    return name;
}

void CGradingPolicyDlg::AddCategory() {
    if (static_cast<int>(m_policy.categories.size()) >= kMaxCategories) {
        UiSeam::warn(this, tr("A class can have at most %1 categories.").arg(kMaxCategories));
        return;
    }
    TakeBoxes(false);
    const QString name = AskName(tr("Add Category"), QString());
    if (name.isEmpty())
        return;
    // Equal weights until the teacher sets them; the first category takes every assignment,
    // as each of them already names category 0.
    m_policy.categories.push_back({fromQString(name), 1.0, 0});
    {
        const QSignalBlocker blocker(m_categories);
        m_categories->addItem(name);
        m_categories->setCurrentRow(m_categories->count() - 1);
    }
    Refresh();
}

void CGradingPolicyDlg::RenameCategory() {
    const int selected = Selected();
    if (selected < 0)
        return;
    const QString name =
        AskName(tr("Rename Category"), toQString(m_policy.categories[selected].name));
    if (name.isEmpty())
        return;
    m_policy.categories[selected].name = fromQString(name);
    Refresh();
}

void CGradingPolicyDlg::RemoveCategory() {
    const int selected = Selected();
    if (selected < 0)
        return;
    m_policy.categories.erase(m_policy.categories.begin() + selected);
    // Its assignments go to the first category left; the later categories move up one.
    for (int& c : m_categoryOf)
        c = c == selected ? 0 : c > selected ? c - 1 : c;
    Refresh();
}

void CGradingPolicyDlg::MoveCategory(int step) {
    const int selected = Selected();
    const int other = selected + step;
    if (selected < 0 || other < 0 || other >= static_cast<int>(m_policy.categories.size()))
        return;
    TakeBoxes(false);
    std::swap(m_policy.categories[selected], m_policy.categories[other]);
    for (int& c : m_categoryOf)
        c = c == selected ? other : c == other ? selected : c;
    {
        const QSignalBlocker blocker(m_categories);
        m_categories->setCurrentRow(other);
    }
    Refresh();
}

void CGradingPolicyDlg::MoveAssignment() {
    const std::vector<int> members = Members();
    const int target = m_moveTo->currentIndex();
    if (target < 0 || target >= static_cast<int>(m_policy.categories.size()))
        return;
    // Every selected assignment goes, or the current one when none is selected.
    std::vector<int> rows;
    for (int row = 0; row < m_members->count(); ++row) {
        if (m_members->item(row)->isSelected())
            rows.push_back(row);
    }
    if (rows.empty())
        rows.push_back(m_members->currentRow());
    for (const int row : rows) {
        if (row >= 0 && row < static_cast<int>(members.size()))
            m_categoryOf[members[static_cast<std::size_t>(row)]] = target;
    }
    Refresh();
}

void CGradingPolicyDlg::accept() {
    if (!TakeBoxes(true))
        return;
    const CMarkwiseDoc& doc = m_host.data();
    bool same = m_policy == doc.m_policy;
    for (int a = 0; same && a < static_cast<int>(m_categoryOf.size()); ++a)
        same = m_categoryOf[a] == doc.m_assignments[a].m_category;
    // Without categories every assignment is back in the first, whatever it held before.
    if (!same && !(m_policy.categories.empty() && doc.m_policy.categories.empty()))
        m_host.editor().apply(tr("Grading Policy"), PolicyEdit(m_policy, m_categoryOf));
    QDialog::accept();
}

} // namespace markwise
