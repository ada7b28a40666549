// The Grading Policy dialog and Edit Assignment's category, driven by keys and clicks. The
// grade each policy gives is the core's (policy_grade_test); here: what the dialogs build,
// refuse and store, one step per opening.
#include "core/policy_edit.h"
#include "dialog_test_support.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/grading_policy_dlg.h"
#include "framework/text.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <utility>

using namespace markwise;
using namespace markwise::test;

namespace {

// Answers the dialog's name questions in turn; an empty answer once they run out.
struct Names {
    explicit Names(QStringList answers) : left(std::move(answers)) {
        UiSeam::setTextAnswerer(
            [this](const QString&) { return left.isEmpty() ? QString() : left.takeFirst(); });
    }
    ~Names() { UiSeam::setTextAnswerer({}); }
    Names(const Names&) = delete;
    Names& operator=(const Names&) = delete;
    QStringList left;
};

void FillFour(FakeHost& host) {
    FillClass(*host.doc, {{"Adams", "Al"}, {"Brown", "Bo"}},
              {{"HW1", {8, 6}}, {"HW2", {9, 10}}, {"Test", {7, 5}}, {"Lab", {10, 4}}});
}

std::vector<int> Categories(const CMarkwiseDoc& doc) {
    std::vector<int> categories;
    for (int a = 0; a < doc.AssignmentsInUse(); ++a)
        categories.push_back(doc.m_assignments[a].m_category);
    return categories;
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

// Homework (HW1, HW2, Test), Tests, Labs (Lab) with weights 30, 50, 20, as a class holds it
// before the dialog opens.
void StorePolicy(FakeHost& host) {
    GradingPolicy policy{{{"Homework", 30, 1}, {"Tests", 50, 0}, {"Labs", 20, 0}}};
    host.editor().apply("Grading Policy", PolicyEdit(policy, {0, 0, 1, 2}));
}

} // namespace

class GradingPolicyDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DropOffscreenNoise(); }

    void weightsLineShowsEachShareOfTheWeights() {
        const struct {
            std::vector<double> weights;
            const char* line;
        } cases[] = {
            {{30, 50, 20}, "Weights: A 30%, B 50%, C 20%"},
            {{3, 5, 2}, "Weights: A 30%, B 50%, C 20%"},
            {{1, 1, 1}, "Weights: A 33.3333%, B 33.3333%, C 33.3333%"},
            {{0, 0}, "Weights: A 0%, B 0%"},
            {{0, 7}, "Weights: A 0%, B 100%"},
            {{1e308, 1e308}, "Weights: A 50%, B 50%"},
            {{1e307, 3e307}, "Weights: A 25%, B 75%"},
        };
        for (const auto& c : cases) {
            GradingPolicy policy;
            for (double weight : c.weights)
                policy.categories.push_back(
                    {std::string(1, char('A' + policy.categories.size())), weight, 0});
            QCOMPARE(WeightsLine(policy), QString::fromUtf8(c.line));
        }
    }

    // Three categories built from nothing, an assignment moved: one step that undo takes
    // back whole.
    void threeCategoriesBuiltAreOneStep() {
        FakeHost host;
        FillFour(host);
        Names names({"Homework", "Tests", "Labs"});
        CGradingPolicyDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.WeightsLabel()->text(),
                 QStringLiteral("No categories: grades count points only."));
        QVERIFY(!dialog.RemoveButton()->isEnabled() && !dialog.WeightBox()->isEnabled());
        for (int i = 0; i < 3; ++i)
            ClickBox(dialog.AddButton());
        QCOMPARE(Lines(dialog.CategoryList()), (QStringList{"Homework", "Tests", "Labs"}));
        QCOMPARE(dialog.CategoryList()->currentRow(), 2);
        // The first category holds every assignment; the new ones start with equal weights.
        QVERIFY(Lines(dialog.MemberList()).isEmpty());
        QCOMPARE(dialog.WeightsLabel()->text(),
                 QStringLiteral("Weights: Homework 33.3333%, Tests 33.3333%, Labs 33.3333%"));

        const std::pair<int, QString> weights[] = {{0, "30"}, {1, "50"}, {2, "20"}};
        for (const auto& [row, weight] : weights) {
            ClickRow(dialog.CategoryList(), row);
            Retype(dialog.WeightBox(), weight);
        }
        QCOMPARE(dialog.WeightsLabel()->text(),
                 QStringLiteral("Weights: Homework 30%, Tests 50%, Labs 20%"));
        ClickRow(dialog.CategoryList(), 0);
        QCOMPARE(dialog.WeightBox()->text(), QStringLiteral("30"));
        Retype(dialog.DropBox(), "1");
        QCOMPARE(Lines(dialog.MemberList()), (QStringList{"HW1", "HW2", "Test", "Lab"}));
        // Test and Lab to Tests together, then Lab on to Labs.
        ClickRow(dialog.MemberList(), 2);
        dialog.MemberList()->item(3)->setSelected(true);
        dialog.MoveToBox()->setCurrentIndex(1);
        ClickBox(dialog.MoveButton());
        QCOMPARE(Lines(dialog.MemberList()), (QStringList{"HW1", "HW2"}));
        QCOMPARE(dialog.MoveToBox()->currentIndex(), 1); // the last target stays chosen
        ClickRow(dialog.CategoryList(), 1);
        QCOMPARE(Lines(dialog.MemberList()), (QStringList{"Test", "Lab"}));
        QCOMPARE(dialog.MoveToBox()->currentIndex(), 2); // never the category shown
        ClickRow(dialog.MemberList(), 1);
        ClickBox(dialog.MoveButton());
        QCOMPARE(Lines(dialog.MemberList()), (QStringList{"Test"}));
        ClickRow(dialog.CategoryList(), 2);
        QCOMPARE(Lines(dialog.MemberList()), (QStringList{"Lab"}));
        QCOMPARE(dialog.DropBox()->text(), QStringLiteral("0"));
        QVERIFY(!host.doc->HasPolicy()); // nothing reaches the class before OK

        ClickBox(dialog.UpButton());
        QCOMPARE(Lines(dialog.CategoryList()), (QStringList{"Homework", "Labs", "Tests"}));
        QCOMPARE(dialog.CategoryList()->currentRow(), 1);
        QCOMPARE(Lines(dialog.MemberList()), (QStringList{"Lab"}));
        ClickBox(dialog.DownButton());
        QCOMPARE(Lines(dialog.CategoryList()), (QStringList{"Homework", "Tests", "Labs"}));

        dialog.accept();
        const GradingPolicy built{{{"Homework", 30, 1}, {"Tests", 50, 0}, {"Labs", 20, 0}}};
        QCOMPARE(host.doc->m_policy, built);
        QCOMPARE(Categories(*host.doc), (std::vector<int>{0, 0, 1, 2}));
        QCOMPARE(host.editor().history().count(), 1);
        QVERIFY(host.doc->IsModified());
        host.editor().undo();
        QVERIFY(!host.doc->HasPolicy());
        QCOMPARE(Categories(*host.doc), (std::vector<int>{0, 0, 0, 0}));
        QVERIFY(!host.doc->IsModified());
        host.editor().redo();
        QCOMPARE(host.doc->m_policy, built);
    }

    // Removing a category gives its assignments to the first one left; the later ones move up.
    void removingACategoryMovesItsAssignmentsToTheFirst() {
        FakeHost host;
        FillFour(host);
        StorePolicy(host);
        CGradingPolicyDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.CategoryOfAssignment(), (std::vector<int>{0, 0, 1, 2}));
        ClickRow(dialog.CategoryList(), 1);
        ClickBox(dialog.RemoveButton());
        QCOMPARE(Lines(dialog.CategoryList()), (QStringList{"Homework", "Labs"}));
        QCOMPARE(dialog.CategoryOfAssignment(), (std::vector<int>{0, 0, 0, 1}));
        ClickRow(dialog.CategoryList(), 0);
        ClickBox(dialog.RemoveButton());
        QCOMPARE(dialog.CategoryOfAssignment(), (std::vector<int>{0, 0, 0, 0}));
        QCOMPARE(Lines(dialog.MemberList()), (QStringList{"HW1", "HW2", "Test", "Lab"}));
        QCOMPARE(dialog.WeightsLabel()->text(), QStringLiteral("Weights: Labs 100%"));
        ClickBox(dialog.RemoveButton());
        QVERIFY(dialog.Policy().categories.empty());
        dialog.accept();
        // Back to points only, as one more step.
        QVERIFY(!host.doc->HasPolicy());
        QCOMPARE(host.editor().history().count(), 2);
        host.editor().undo();
        QCOMPARE(host.doc->m_policy.categories.size(), std::size_t{3});
        QCOMPARE(Categories(*host.doc), (std::vector<int>{0, 0, 1, 2}));
    }

    // Cancel, and OK on a dialog left as it opened, change nothing; refused values keep the
    // dialog open with one message each and store nothing.
    void untouchedCancelledAndRefused() {
        Messages messages;
        FakeHost host;
        FillFour(host);
        {
            CGradingPolicyDlg untouched(host);
            untouched.accept();
        }
        QCOMPARE(host.editor().history().count(), 0);
        QVERIFY(!host.doc->IsModified());
        StorePolicy(host);
        {
            Names names({"Extra"});
            CGradingPolicyDlg cancelled(host);
            ClickBox(cancelled.AddButton());
            cancelled.reject();
            CGradingPolicyDlg untouched(host);
            untouched.accept();
        }
        QCOMPARE(host.editor().history().count(), 1);

        CGradingPolicyDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        const struct {
            QLineEdit* box;
            QString text;
        } refused[] = {{dialog.WeightBox(), "-1"},
                       {dialog.WeightBox(), "x"},
                       {dialog.DropBox(), "1.5"},
                       {dialog.DropBox(), "-2"}};
        for (const auto& [box, text] : refused) {
            messages.texts.clear();
            Retype(box, text);
            QCOMPARE(dialog.WeightsLabel()->text(),
                     QStringLiteral("Weights: Homework 30%, Tests 50%, Labs 20%"));
            dialog.accept();
            QCOMPARE(messages.texts.size(), 1);
            QVERIFY(dialog.isVisible());
            QCOMPARE(host.editor().history().count(), 1);
            Retype(box, box == dialog.WeightBox() ? "30" : "1");
        }

        // Names: at most 40 characters, blanks around dropped, and at most 20 categories.
        messages.texts.clear();
        const QString longest(kMaxCategoryNameLength, QChar(0x00e9));
        Names names({longest + "x", "  " + longest + "  ", "Renamed", ""});
        ClickBox(dialog.AddButton());
        QCOMPARE(messages.texts.size(), 1);
        ClickBox(dialog.AddButton());
        QCOMPARE(dialog.Policy().categories.back().name, fromQString(longest));
        ClickBox(dialog.RenameButton());
        QCOMPARE(dialog.Policy().categories.back().name, std::string("Renamed"));
        ClickBox(dialog.RenameButton()); // an empty answer is a cancel
        QCOMPARE(dialog.Policy().categories.back().name, std::string("Renamed"));
        for (int n = 4; n < kMaxCategories; ++n) {
            names.left = {QString("C%1").arg(n)};
            ClickBox(dialog.AddButton());
        }
        QCOMPARE(static_cast<int>(dialog.Policy().categories.size()), kMaxCategories);
        QVERIFY(!dialog.AddButton()->isEnabled());
        QCOMPARE(messages.texts.size(), 1);
    }

    // The Category list appears only for a class with categories; the choice joins the
    // opening's one step.
    void editAssignmentChoosesTheCategory() {
        FakeHost host;
        FillFour(host);
        {
            CEditAssignmentDlg plain(host, 0, 0);
            QVERIFY(plain.CategoryBox() == nullptr);
            QVERIFY(plain.findChildren<QComboBox*>().isEmpty());
        }
        StorePolicy(host);
        CEditAssignmentDlg dialog(host, 3, 0);
        QVERIFY(ShowActive(dialog));
        QComboBox* box = dialog.CategoryBox();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->currentIndex(), 2);
        ClickRow(dialog.AssignmentList(), 2);
        QCOMPARE(box->currentIndex(), 1);
        box->setCurrentIndex(0);
        Retype(dialog.ScoreBox(), "6");
        Press(Qt::Key_Return);
        ClickRow(dialog.AssignmentList(), 0);
        box->setCurrentIndex(2);
        ClickBox(dialog.UpdateButton());
        QCOMPARE(Categories(*host.doc), (std::vector<int>{2, 0, 0, 2}));
        QCOMPARE(host.doc->m_assignments[2].m_scores[0], 6.0);
        QCOMPARE(host.editor().history().count(), 2);
        host.editor().undo();
        QCOMPARE(Categories(*host.doc), (std::vector<int>{0, 0, 1, 2}));
        QCOMPARE(host.doc->m_assignments[2].m_scores[0], 7.0);
    }
};

QTEST_MAIN(GradingPolicyDlgTest)
#include "grading_policy_dlg_test.moc"
