#include "edit_assignment_dlg.h"

#include "core/markwise_doc.h"
#include "core/number_text.h"
#include "core/policy_edit.h"
#include "core/policy_grade.h"
#include "dialog_host.h"
#include "dialog_layout.h"
#include "field_rules.h"
#include "framework/class_editor.h"
#include "framework/text.h"
#include "framework/ui_language.h"
#include "list_lines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace markwise {

namespace {

// Refilling a list of a thousand students after every Fast Edit score would be wasted work
// when nothing in it changed; only the selection has to follow.
void ShowLines(QListWidget* list, const QStringList& lines, int row) {
    bool same = list->count() == lines.size();
    for (int i = 0; same && i < lines.size(); ++i)
        same = list->item(i)->text() == lines[i];
    if (!same) {
        FillList(list, lines, row);
        return;
    }
    const QSignalBlocker blocker(list);
    list->setCurrentRow(row);
}

} // namespace

CEditAssignmentDlg::CEditAssignmentDlg(DialogHost& host, int assignment, int student,
                                       QWidget* parent)
    : QDialog(parent), m_host(host), m_session(host.editor().newSession()),
      m_assignment(assignment), m_student(student),
      m_assignments(MakeList(this, tr("Assignments"), 14)),
      m_students(MakeList(this, tr("Students"), 24)),
      m_fastEdit(new QCheckBox(tr("Fast Edit"), this)), m_title(new QLineEdit(this)),
      m_points(new QLineEdit(this)), m_score(new QLineEdit(this)),
      m_notAvailable(new QCheckBox(QStringLiteral("N/A"), this)),
      m_description(new LimitedLineEdit(kMaxDescriptionChars, this)),
      m_update(MakeButton(tr("Update"), this)), m_close(MakeButton(tr("Close Dialog"), this)) {
    setWindowTitle(tr("Edit Assignment"));
    DigitsOnlyFilter::Install(m_points);
    // The policy cannot change while this dialog is open, so the list is made once.
    if (host.data().HasPolicy()) {
        m_category = new QComboBox(this);
        for (const GradeCategory& category : host.data().m_policy.categories)
            m_category->addItem(toQString(category.name));
    }
    BuildLayout();

    m_update->setDefault(true);
    connect(m_update, &QPushButton::clicked, this, &CEditAssignmentDlg::accept);
    connect(m_close, &QPushButton::clicked, this, &CEditAssignmentDlg::reject);
    connect(m_assignments, &QListWidget::currentRowChanged, this,
            &CEditAssignmentDlg::SelectionChanged);
    connect(m_students, &QListWidget::currentRowChanged, this,
            &CEditAssignmentDlg::SelectionChanged);
    connect(m_notAvailable, &QCheckBox::clicked, this, &CEditAssignmentDlg::NotAvailableClicked);
    // Ticking Fast Edit takes effect for the selected student at once.
    connect(m_fastEdit, &QCheckBox::toggled, this, &CEditAssignmentDlg::ShowScore);

    Refresh();
    m_assignments->setFocus();
}

void CEditAssignmentDlg::BuildLayout() {
    SetWidthInChars(m_title, 14);
    SetWidthInChars(m_points, 10);
    SetWidthInChars(m_score, 10);
    m_description->setMinimumWidth(m_description->fontMetrics().averageCharWidth() * 44);

    auto* assignmentColumn = new QVBoxLayout;
    assignmentColumn->addWidget(MakeLabel(tr("Select Assignment:"), m_assignments, this));
    assignmentColumn->addWidget(m_assignments, 1);
    auto* studentColumn = new QVBoxLayout;
    studentColumn->addWidget(MakeLabel(tr("Select Student:"), m_students, this));
    studentColumn->addWidget(m_students, 1);

    auto* group = new QGroupBox(tr("Edit Assignment"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(MakeLabel(tr("Title:"), m_title, group), 0, 0);
    grid->addWidget(m_title, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(MakeLabel(tr("Points Possible:"), m_points, group), 1, 0);
    grid->addWidget(m_points, 1, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(MakeLabel(tr("Student Points:"), m_score, group), 2, 0);
    grid->addWidget(m_score, 2, 1);
    grid->addWidget(m_notAvailable, 2, 2);
    grid->addWidget(MakeLabel(tr("Description:"), m_description, group), 3, 0);
    grid->addWidget(m_description, 3, 1, 1, 3);
    if (m_category) {
        grid->addWidget(MakeLabel(tr("Category:"), m_category, group), 4, 0);
        grid->addWidget(m_category, 4, 1, 1, 2, Qt::AlignLeft);
    }
    grid->setColumnStretch(3, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(m_fastEdit);
    right->addWidget(group);
    right->addStretch(1);
    right->addLayout(MakeButtonRow({m_update, m_close}));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(assignmentColumn);
    layout->addLayout(studentColumn);
    layout->addLayout(right);

    setTabOrder(m_assignments, m_students);
    setTabOrder(m_students, m_fastEdit);
    setTabOrder(m_fastEdit, m_title);
    setTabOrder(m_title, m_points);
    setTabOrder(m_points, m_score);
    setTabOrder(m_score, m_notAvailable);
    setTabOrder(m_notAvailable, m_description);
    if (m_category) {
        setTabOrder(m_description, m_category);
        setTabOrder(m_category, m_update);
    } else {
        setTabOrder(m_description, m_update);
    }
    setTabOrder(m_update, m_close);
}

int CEditAssignmentDlg::exec() {
    if (m_host.data().AssignmentsInUse() == 0)
        return Rejected;
    return QDialog::exec();
}

void CEditAssignmentDlg::Refresh() {
    const CMarkwiseDoc& doc = m_host.data();
    const int students = doc.StudentsInUse();
    m_assignment = std::clamp(m_assignment, 0, std::max(0, doc.AssignmentsInUse() - 1));
    m_student = std::clamp(m_student, 0, std::max(0, students - 1));
    ShowLines(m_assignments, AssignmentLines(doc), m_assignment);
    ShowLines(m_students, StudentLines(doc), m_student);

    const CAssignment& assignment = doc.m_assignments[m_assignment];
    m_title->setText(toQString(assignment.m_title));
    m_title->setCursorPosition(0);
    m_points->setText(toQString(NumberForm().shown(FormatNumber15(assignment.m_pointsPossible))));
    m_description->SetLimitedText(toQString(assignment.m_description));
    if (m_category) {
        const int category = assignment.m_category;
        m_category->setCurrentIndex(category >= 0 && category < m_category->count() ? category : 0);
    }
    ShowScore();
}

void CEditAssignmentDlg::ShowScore() {
    const CMarkwiseDoc& doc = m_host.data();
    const int students = doc.StudentsInUse();
    const CAssignment& assignment = doc.m_assignments[m_assignment];
    const bool fastEdit = m_fastEdit->isChecked();
    const bool hasStudent = m_student < students;
    const double score = hasStudent ? assignment.m_scores[m_student] : MISSING_SCORE;
    const ScoreMark mark = hasStudent ? doc.GetMark(m_assignment, m_student) : ScoreMark::None;
    m_notAvailable->setEnabled(hasStudent);
    if (!hasStudent || (score == MISSING_SCORE && mark == ScoreMark::None && !fastEdit)) {
        // A missing score shows as a ticked N/A beside an empty, disabled box.
        m_notAvailable->setChecked(hasStudent);
        m_score->clear();
        m_score->setEnabled(false);
        return;
    }
    m_notAvailable->setChecked(false);
    m_score->setEnabled(true);
    if (!fastEdit) {
        // A marked score shows its mark ("EX", "M"), which typed back keeps it.
        m_score->setText(toQString(mark == ScoreMark::None
                                       ? NumberForm().shown(FormatNumber15(score))
                                       : ScoreCellText(doc, m_assignment, m_student)));
        return;
    }
    // Fast Edit: an empty, focused box for the next score; left empty, it stores nothing.
    m_score->clear();
    m_score->setFocus();
}

void CEditAssignmentDlg::SelectionChanged() {
    // Values typed and not updated are dropped; the Fast Edit tick stays.
    m_assignment = m_assignments->currentRow();
    m_student = m_students->currentRow();
    Refresh();
}

void CEditAssignmentDlg::NotAvailableClicked(bool checked) {
    m_score->setEnabled(!checked);
}

void CEditAssignmentDlg::accept() {
    const int students = m_host.data().StudentsInUse();
    const int student = m_student < students ? m_student : -1;

    FieldReader reader(this);
    std::string title;
    double points = 0.0;
    double score = MISSING_SCORE;
    ScoreMark mark = ScoreMark::None;
    std::string description;
    reader.Text(m_title, title);
    reader.Number(m_points, tr("Points Possible"), points);
    // While N/A is ticked the box is disabled and its content means nothing; a box left
    // empty stores no score.
    int scored = student;
    if (student >= 0 && !m_notAvailable->isChecked()) {
        if (m_score->text().trimmed().isEmpty())
            scored = -1;
        else if (const std::optional<TypedScore> typed =
                     ParseTypedMarkedScore(fromQString(m_score->text()));
                 typed && typed->mark != ScoreMark::None) {
            score = typed->score;
            mark = typed->mark;
        } else {
            reader.Number(m_score, tr("Student Points"), score);
        }
    }
    reader.Text(m_description, tr("Description"), description);
    if (!reader.Ok())
        return;

    const CAssignment& shown = m_host.data().m_assignments[m_assignment];
    const bool sameDetails = shown.m_title == title && shown.m_description == description &&
                             shown.m_pointsPossible == points;
    const int category = m_category ? m_category->currentIndex() : -1;
    const bool sameCategory = category < 0 || shown.m_category == category;
    if (scored >= 0 || !sameDetails || !sameCategory) {
        // The opening's one undo step is named for Fast Edit once any of its stores was.
        m_fastEdited = m_fastEdited || m_fastEdit->isChecked();
        const QString name = m_fastEdited ? tr("Fast Edit scores") : tr("Edit Assignment");
        if (scored >= 0 || !sameDetails)
            m_host.editor().apply(
                name,
                AssignmentStoreEdit(
                    m_host.data(), {m_assignment, title, description, points, scored, score, mark}),
                m_session);
        // The same session: the category joins the opening's one step.
        if (!sameCategory)
            m_host.editor().apply(name, AssignmentCategoryEdit(m_assignment, category), m_session);
    }
    if (m_fastEdit->isChecked() && m_student < students - 1)
        ++m_student;
    Refresh();
}

void CEditAssignmentDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (QListWidget* list : {m_assignments, m_students}) {
        if (QListWidgetItem* item = list->currentItem())
            list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    }
}

} // namespace markwise
