// The editing dialogs, driven by keys and clicks. What the class does with an entry is the
// core's (doc_operations_test, sort_test, grades_test), and tests/app/undo_test.cpp undoes
// and redoes each dialog's change; here: what the dialogs show, refuse and pass on.
#include "dialog_test_support.h"
#include "dialogs/add_student_dlg.h"
#include "dialogs/edit_assignment_dlg.h"
#include "dialogs/edit_student_dlg.h"
#include "dialogs/exclude_assignments_dlg.h"
#include "dialogs/field_rules.h"
#include "dialogs/install_dialogs.h"
#include "dialogs/new_assignment_dlg.h"
#include "dialogs/open_dialogs.h"
#include "dialogs/preferences_dlg.h"
#include "dialogs/remove_assignment_dlg.h"
#include "dialogs/remove_student_dlg.h"
#include "dialogs/sort_by_assignment_dlg.h"
#include "framework/commands.h"
#include "geometry/sheet_layout.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace markwise;
using namespace markwise::test;

namespace {

constexpr double NA = MISSING_SCORE;

void FillThree(FakeHost& host, std::initializer_list<ScoredAssignment> assignments = {}) {
    FillClass(*host.doc, {{"Adams", "Al"}, {"Brown", "Bo"}, {"Cole", "Cy"}}, assignments);
}

std::vector<double> Scores(const FakeHost& host, int a) {
    const double* scores = host.doc->m_assignments[a].m_scores.data();
    return {scores, scores + host.doc->m_studentCount};
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

std::string Entry(const CMarkwiseDoc& doc, int s) {
    const StudentFields f = doc.GetStudent(s);
    return f.lastName + "|" + f.firstName + "|" + f.studentId + "|" + f.gradeLevel + "|" +
           f.bookNumber + "|" + f.phone;
}

// Replaces a box's text as an input method commits characters no key produces.
void Compose(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

// Fails the test if any dialog opens while it lives.
struct NoDialog : ModalDriver {
    NoDialog() {
        Then([](QDialog& dialog) { QFAIL(qPrintable(dialog.windowTitle())); });
    }
};

} // namespace

class EditingDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DropOffscreenNoise(); }

    void boxRules() {
        // A value loaded from the class is not a typed key: it stays, and digits extend it.
        QLineEdit digits;
        DigitsOnlyFilter::Install(&digits);
        digits.setText(QStringLiteral("7.5"));
        QTest::keyClicks(&digits, "5e-");
        QCOMPARE(digits.text(), QStringLiteral("7.55"));
        QVERIFY(DigitsOnlyFilter::AllowsKeyText(QStringLiteral("\r")));
        QVERIFY(!DigitsOnlyFilter::AllowsKeyText(QStringLiteral("\u0663"))); // Arabic-Indic 3

        // A longer stored text shows whole, from its start, but never grows.
        LimitedLineEdit box(10);
        box.SetLimitedText(QStringLiteral("Featherstonehaugh"));
        QCOMPARE(box.cursorPosition(), 0);
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, "hh");
        QCOMPARE(box.text(), QStringLiteral("Featherstonehaug"));
        box.SetLimitedText(QStringLiteral("Lee"));
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClicks(&box, "-Thompsonn");
        QCOMPARE(box.text(), QStringLiteral("Lee-Thomps"));

        // The core reads the number; the box also drops blanks a paste brings beyond ASCII.
        int read = 11;
        QVERIFY(ParseInteger(QStringLiteral("\u00A0 +87\u3000"), read));
        QCOMPARE(read, 87);

        // One message, for the first bad box; later reads fail without one.
        Messages messages;
        QWidget dialog;
        auto* name = new LimitedLineEdit(8, &dialog);
        name->SetLimitedText(QStringLiteral("Midterm 1"));
        FieldReader reader(&dialog);
        std::string text = "unchanged";
        double number = 0.0;
        QVERIFY(!reader.Text(name, QStringLiteral("Assignment Title"), text));
        QVERIFY(!reader.Number(new QLineEdit(QStringLiteral("ten"), &dialog), "Points", number));
        QVERIFY(!reader.Ok());
        QCOMPARE(text, std::string("unchanged"));
        QCOMPARE(
            messages.texts,
            QStringList{"\"Assignment Title\" holds more than 8 characters. Please shorten it."});

        // Limits count characters, a surrogate pair as one; any character is taken.
        auto* phone = new LimitedLineEdit(4, &dialog);
        for (const char32_t typed : QStringLiteral("\u260E\U0001F600\u738Bx\U0001F600").toUcs4()) {
            QInputMethodEvent commit;
            commit.setCommitString(QString::fromUcs4(&typed, 1));
            QApplication::sendEvent(phone, &commit);
        }
        QCOMPARE(phone->text(), QStringLiteral("\u260E\U0001F600\u738Bx"));
        QCOMPARE(CharacterCount(phone->text()), 4);
        FieldReader any(&dialog);
        QVERIFY(any.Text(phone, QStringLiteral("Telephone Number"), text));
        QCOMPARE(text, std::string("\u260E\U0001F600\u738Bx"));
        phone->SetLimitedText(QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"));
        QVERIFY(!FieldReader(&dialog).Text(phone, QStringLiteral("Telephone Number"), text));
        QCOMPARE(messages.texts.size(), 2);
        QCOMPARE(messages.texts.back(),
                 QStringLiteral(
                     "\"Telephone Number\" holds more than 4 characters. Please shorten it."));
    }

    void addTakesOneNameIgnoresOnlyAnIdAndStaysOpen() {
        FakeHost host;
        FillClass(*host.doc, {{"Baker", "Ann"}});
        CMarkwiseDoc& doc = *host.doc;
        CAddStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        StudentFieldBoxes& f = dialog.Fields();
        QCOMPARE(QApplication::focusWidget(), f.lastName);
        Type(QStringLiteral("Carter"));
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        Type(QStringLiteral("S-77"));
        Press(Qt::Key_Return);
        QCOMPARE(Entry(doc, 1), std::string("Carter||S-77|||"));
        QCOMPARE(host.repaints, 1);
        QVERIFY(f.lastName->text().isEmpty());
        QVERIFY(f.studentId->text().isEmpty());

        // Only an ID: nothing added, the ID stays.
        f.studentId->setFocus();
        Type(QStringLiteral("X1"));
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        QCOMPARE(doc.m_studentCount, 2);
        QCOMPARE(f.studentId->text(), QStringLiteral("X1"));
        Press(Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void fullClassesAreRefusedWithAMessage() {
        Messages messages;
        FakeHost host;
        for (int s = 0; s < kMaxStudents; ++s)
            AddStudent(*host.doc, "L" + std::to_string(s));
        for (int a = 0; a < kMaxAssignments; ++a)
            host.doc->NewAssignment("A", "", 1.0);
        CAddStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        Type(QStringLiteral("Late"));
        Press(Qt::Key_Return);
        QCOMPARE(host.doc->m_studentCount, kMaxStudents);
        dialog.close();
        NoDialog none;
        OpenNewAssignment(host);
        QCOMPARE(messages.texts,
                 (QStringList{"All Name slots full!", "All Assignment slots full!"}));
        QCOMPARE(host.doc->m_assignmentCount, kMaxAssignments);
    }

    // Names in every script are stored as typed, and no message is shown.
    void namesInEveryScriptAreStoredAsTyped() {
        Messages messages;
        FakeHost host;
        FillClass(*host.doc, {{"Adams", "Al"}});
        CAddStudentDlg add(host);
        QVERIFY(ShowActive(add));
        StudentFieldBoxes& f = add.Fields();
        Compose(f.lastName, QStringLiteral("Nguy\u1EC5n"));
        Compose(f.firstName, QStringLiteral("\u0141ukasz"));
        Compose(f.studentId, QStringLiteral("\u738B\u82B3-\U0001F600"));
        Press(Qt::Key_Return);
        QCOMPARE(host.doc->m_studentCount, 2);
        QCOMPARE(Entry(*host.doc, 1),
                 std::string("Nguy\u1EC5n|\u0141ukasz|\u738B\u82B3-\U0001F600|||"));
        QVERIFY(messages.texts.isEmpty());
    }

    // Both student dialogs build their boxes alike (student_fields.cpp).
    void boxesShowAsManyOfTheWidestCharactersAsTheyAccept() {
        FakeHost host;
        CAddStudentDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        const StudentFieldBoxes& f = dialog.Fields();
        const auto cursorX = [](QLineEdit* box) {
            box->repaint(); // the box scrolls its text as it paints
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        for (LimitedLineEdit* box :
             {f.lastName, f.firstName, f.studentId, f.gradeLevel, f.bookNumber, f.phone}) {
            for (const QChar widest : {QChar('W'), QChar('M'), QChar('@'), QChar('0')}) {
                const QString full(box->Limit(), widest);
                box->setText(full);
                // Scrolled text would put the end nearer than the text's width.
                const int end = cursorX(box);
                box->setCursorPosition(0);
                QVERIFY2(end - cursorX(box) >= box->fontMetrics().horizontalAdvance(full) - 1,
                         qPrintable(full));
            }
        }
    }

    void editingThenSelectingAnotherStudentKeepsTheFirst() {
        FakeHost host;
        FillThree(host);
        host.doc->m_showNames = 0; // the dialogs list names even while the sheet lists IDs
        CEditStudentDlg dialog(host, 1);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(Lines(dialog.List()), (QStringList{"Adams, Al", "Brown, Bo", "Cole, Cy"}));
        QCOMPARE(dialog.Fields().phone->text(), QStringLiteral("555-1"));
        // Typed but not updated: lost when another entry is picked.
        Retype(dialog.Fields().lastName, QStringLiteral("Browne"));
        ClickRow(dialog.List(), 2);
        QCOMPARE(dialog.Fields().lastName->text(), QStringLiteral("Cole"));
        QVERIFY(!host.doc->IsModified());

        // Update stores the fields and rebuilds the list, still on the same entry.
        Retype(dialog.Fields().lastName, QStringLiteral("Coleman"));
        Press(Qt::Key_Tab);
        Press(Qt::Key_Backspace);
        Press(Qt::Key_Return);
        QCOMPARE(Entry(*host.doc, 2), std::string("Coleman||id2|G2|B2|555-2"));
        QCOMPARE(host.repaints, 1);
        QCOMPARE(dialog.List()->item(2)->text(), QStringLiteral("Coleman, "));
        QCOMPARE(dialog.List()->currentRow(), 2);
    }

    // One opening: a score updated in place, then Fast Edit down a column.
    void editAssignmentStoresScoresWithAndWithoutFastEdit() {
        FakeHost host;
        FillThree(host, {{"Quiz", {4.0, NA, 6.0}}, {"Test", {NA, 2.0, NA}}});
        CMarkwiseDoc& doc = *host.doc;
        CEditAssignmentDlg dialog(host, 0, 1);
        QVERIFY(ShowActive(dialog));
        QVERIFY(!dialog.ScoreBox()->isEnabled());
        // A typed score dropped by choosing another student changes nothing.
        ClickRow(dialog.StudentList(), 2);
        Retype(dialog.ScoreBox(), QStringLiteral("9.5"));
        ClickRow(dialog.StudentList(), 1);
        QVERIFY(!doc.IsModified());

        // Clearing N/A opens the box; Update stores it and stays on the student. Points
        // Possible takes digits only; the title has no limit here.
        ClickBox(dialog.NotAvailableBox());
        Retype(dialog.ScoreBox(), QStringLiteral("5.25"));
        Retype(dialog.PointsBox(), QStringLiteral("1x2"));
        Retype(dialog.TitleBox(), QStringLiteral("Quiz one, long"));
        Press(Qt::Key_Return);
        QCOMPARE(Scores(host, 0), (std::vector<double>{4.0, 5.25, 6.0}));
        QCOMPARE(doc.m_assignments[0].m_pointsPossible, 12.0);
        QCOMPARE(dialog.AssignmentList()->item(0)->text(), QStringLiteral("Quiz one, long"));
        QCOMPARE(dialog.Student(), 1);

        // The other assignment shows its details and the same student's score.
        ClickRow(dialog.AssignmentList(), 1);
        QCOMPARE(dialog.ScoreBox()->text(), QStringLiteral("2"));
        QCOMPARE(dialog.DescriptionBox()->text(), QStringLiteral("about Test"));

        // Ticking Fast Edit takes effect at once: an empty, focused box, so the first score
        // typed is stored; a box left empty stores nothing, at the last student too.
        ClickBox(dialog.FastEditBox());
        QVERIFY(dialog.ScoreBox()->isEnabled());
        QCOMPARE(dialog.ScoreBox()->text(), QString());
        QVERIFY(!dialog.NotAvailableBox()->isChecked());
        QCOMPARE(QApplication::focusWidget(), dialog.ScoreBox());
        Type(QStringLiteral("7"));
        Press(Qt::Key_Return);
        QCOMPARE(Scores(host, 1), (std::vector<double>{NA, 7, NA}));
        QCOMPARE(dialog.Student(), 2);
        Press(Qt::Key_Return);
        QCOMPARE(Scores(host, 1), (std::vector<double>{NA, 7, NA}));
        QCOMPARE(dialog.Student(), 2);
        ClickRow(dialog.StudentList(), 0);
        QCOMPARE(QApplication::focusWidget(), dialog.ScoreBox());
        for (const char* score : {"8", "9"}) {
            Type(QString::fromLatin1(score));
            Press(Qt::Key_Return);
        }
        QCOMPARE(Scores(host, 1), (std::vector<double>{8, 9, NA}));
        // At the last student each further score replaces the one stored there.
        Type(QStringLiteral("4"));
        Press(Qt::Key_Return);
        QCOMPARE(Scores(host, 1), (std::vector<double>{8, 9, 4}));
        QCOMPARE(dialog.Student(), 2);
        QCOMPARE(host.repaints, 5);
    }

    // The score box takes "EX" and "M" and shows a marked score by its mark.
    void editAssignmentStoresMarkedScores() {
        FakeHost host;
        FillThree(host, {{"Quiz", {4.0, NA, 6.0}}});
        CMarkwiseDoc& doc = *host.doc;
        CEditAssignmentDlg dialog(host, 0, 0);
        QVERIFY(ShowActive(dialog));
        Retype(dialog.ScoreBox(), QStringLiteral(" ex"));
        Press(Qt::Key_Return);
        ClickRow(dialog.StudentList(), 2);
        Retype(dialog.ScoreBox(), QStringLiteral("M"));
        Press(Qt::Key_Return);
        QVERIFY(doc.GetMark(0, 0) == ScoreMark::Excused);
        QVERIFY(doc.GetMark(0, 2) == ScoreMark::MissingWork);
        QCOMPARE(Scores(host, 0), (std::vector<double>{NA, NA, 0}));
        ClickRow(dialog.StudentList(), 0);
        QVERIFY(dialog.ScoreBox()->isEnabled() && !dialog.NotAvailableBox()->isChecked());
        QCOMPARE(dialog.ScoreBox()->text(), QStringLiteral("EX"));
        // Ticking N/A clears the mark.
        ClickBox(dialog.NotAvailableBox());
        Press(Qt::Key_Return);
        QVERIFY(doc.GetMark(0, 0) == ScoreMark::None);
        ClickRow(dialog.StudentList(), 2);
        QCOMPARE(dialog.ScoreBox()->text(), QStringLiteral("M"));
    }

    // Students and assignments alike: the chosen entry goes after the question and the
    // dialog stays open. Only the last student may not go.
    void removingTheChosenEntryAfterTheQuestion() {
        Messages messages;
        FakeHost host;
        FillThree(host, {{"Quiz", {}}, {"Test", {}}, {"Lab", {}}});
        CRemoveStudentDlg students(host);
        CRemoveAssignmentDlg assignments(host);
        const std::pair<CRemoveEntryDlg*, QStringList> cases[] = {
            {&students, {"Adams, Al", "Cole, Cy"}}, {&assignments, {"Quiz", "Lab"}}};
        for (const auto& [dialog, left] : cases) {
            QVERIFY(ShowActive(*dialog));
            ClickRow(dialog->List(), 1);
            messages.answers = {Answer::Cancel}; // changes nothing
            Press(Qt::Key_Return);
            QCOMPARE(dialog->List()->count(), 3);
            QTest::mouseClick(dialog->RemoveButton(), Qt::LeftButton);
            QCOMPARE(Lines(dialog->List()), left);
            QCOMPARE(dialog->List()->currentRow(), 0);
            dialog->close();
        }
        const QString question =
            QStringLiteral("Are you sure you want to remove this %1?\nClicking OK will result in "
                           "the loss of all data entered for that %1!");
        QCOMPARE(messages.texts,
                 (QStringList{question.arg("student"), question.arg("student"),
                              question.arg("assignment"), question.arg("assignment")}));
        QCOMPARE(host.repaints, 2);

        QVERIFY(ShowActive(students));
        Press(Qt::Key_Return);
        messages.texts.clear();
        Press(Qt::Key_Return);
        QCOMPARE(messages.texts,
                 QStringList{"You can't remove all the students!  If you want to replace this "
                             "student, select Edit Student from the student Menu, and change all "
                             "of the information."});
        QCOMPARE(host.doc->m_studentCount, 1);
        // Without entries the dialogs close at once.
        FakeHost empty;
        QCOMPARE(CEditAssignmentDlg(empty, 0, 0).exec(), int(QDialog::Rejected));
        QCOMPARE(CRemoveAssignmentDlg(empty).exec(), int(QDialog::Rejected));
        QCOMPARE(CEditStudentDlg(empty, 0).exec(), int(QDialog::Rejected));
        QCOMPARE(CRemoveStudentDlg(empty).exec(), int(QDialog::Rejected));
    }

    // Both pass the chosen assignment on.
    void exclusionAndSortTakeTheChosenAssignment() {
        FakeHost host;
        FillClass(*host.doc, {{"Low", "L"}, {"High", "H"}},
                  {{"Q1", {9.0, 8.0}}, {"Q2", {1.0, 2.0}}, {"Q3", {}}});
        CExcludeAssignmentsDlg exclude(host);
        QVERIFY(ShowActive(exclude));
        QVERIFY(exclude.DontExcludeBox()->isChecked());
        ClickBox(exclude.DontExcludeBox());
        ClickRow(exclude.List(), 2);
        QTest::mouseClick(exclude.OkButton(), Qt::LeftButton);
        QCOMPARE(host.doc->m_firstIncluded, 2);
        {
            // Reopened, it shows the exclusion in force, so OK without a choice keeps it.
            CExcludeAssignmentsDlg again(host);
            QVERIFY(ShowActive(again));
            QVERIFY(!again.DontExcludeBox()->isChecked());
            QCOMPARE(again.List()->currentRow(), 2);
            QTest::mouseClick(again.OkButton(), Qt::LeftButton);
            QCOMPARE(host.doc->m_firstIncluded, 2);
        }
        CSortByAssignmentDlg sort(host);
        QVERIFY(ShowActive(sort));
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        QCOMPARE(host.doc->m_lastName[0], std::string("High"));
        QCOMPARE(host.repaints, 3);

        FakeHost one;
        FillClass(*one.doc, {{"Only", "One"}});
        QCOMPARE(CExcludeAssignmentsDlg(one).exec(), int(QDialog::Rejected));
        QCOMPARE(CSortByAssignmentDlg(one).exec(), int(QDialog::Rejected));
    }

    void preferencesDefaultThenCancelChangesNothing() {
        FakeHost host;
        host.cutoffs.Set(11, 55);
        CPreferencesDlg dialog(host);
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.CutoffBox(11)->text(), QStringLiteral("55"));
        QTest::mouseClick(dialog.DefaultButton(), Qt::LeftButton);
        const auto defaults = CGradeCutoffs().InGradeOrder();
        for (int grade = 0; grade < kGradeCount - 1; ++grade)
            QCOMPARE(dialog.CutoffBox(grade)->text(), QString::number(defaults[grade]));
        Press(Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(host.applied.empty());
    }

    // New Assignment from the grade sheet: without students one message and no dialog;
    // otherwise the new assignment, scrolled into the last column, lands in Edit Assignment.
    void newAssignmentFromTheGradeSheet() {
        QTemporaryDir folder;
        Messages messages;
        CWinApp app(CProfile(folder.filePath(QStringLiteral("Markwise.ini")).toStdString()));
        {
            SheetWindow empty(app, NewClass());
            InstallEditingDialogs(empty.dialogs);
            NoDialog none;
            empty.view->runCommand(ID_ASSIGNMENT_NEW);
            // A dialog run with exec() fails the test through `none`; one left open would
            // be the active modal window now.
            QVERIFY(!QApplication::activeModalWidget());
        }
        QCOMPARE(messages.texts, QStringList{"You haven't created any students yet!"});

        auto filled = NewClass();
        FillClass(*filled, {{"Adams", "Al"}, {"Brown", "Bo"}},
                  {{"A1", {}}, {"A2", {}}, {"A3", {}}, {"A4", {}}, {"A5", {}}});
        SheetWindow sheet(app, std::move(filled));
        InstallEditingDialogs(sheet.dialogs);
        CMarkwiseView& view = *sheet.view;
        sheet.Show(kSheetFixedWidth + 3 * kSheetColumnWidth + kSheetColumnWidth / 2);
        QCOMPARE(view.VisibleColumnCount(), 3);
        ModalDriver driver;
        driver.Then([](QDialog&) {
            Type(QStringLiteral("Homework12")); // eight characters at most
            Press(Qt::Key_Tab);                 // Tab selects the 0
            Type(QStringLiteral("25"));
            Press(Qt::Key_Tab);
            Type(QStringLiteral("Chapter 3"));
            Press(Qt::Key_Return);
        });
        driver.Then([](QDialog& dialog) {
            auto* edit = dynamic_cast<CEditAssignmentDlg*>(&dialog);
            QVERIFY(edit);
            QCOMPARE(edit->AssignmentList()->currentRow(), 5);
            QCOMPARE(edit->StudentList()->currentRow(), 0);
            QVERIFY(edit->NotAvailableBox()->isChecked());
            Press(Qt::Key_Escape);
        });
        view.runCommand(ID_ASSIGNMENT_NEW);
        QVERIFY(driver.Done());
        QCOMPARE(view.firstAssignment(), 3);
        const CAssignment& created = sheet.document.data().m_assignments[5];
        QCOMPARE(created.m_title, std::string("Homework"));
        QCOMPARE(created.m_pointsPossible, 25.0);
        QCOMPARE(created.m_description, std::string("Chapter 3"));
    }
};

QTEST_MAIN(EditingDialogsTest)
#include "editing_dialogs_test.moc"
