// The Progress Reports dialog on its own: control states through searches, comments kept
// by list position, and a reopened dialog repeating the last search.
#include "core/markwise_doc.h"
#include "reports/progress_reports_dlg.h"
#include "support/class_builder.h"
#include "support/offscreen_noise.h"
#include "support/qt_test_support.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

namespace {

// Percents 50, 80, 250/3 (83.3333333333333), 90 and 100 (nothing possible for the last).
std::unique_ptr<CMarkwiseDoc> GradedClass() {
    auto doc = ClassOf(5);
    AddAssignment(*doc, 30, {15, 24, 25, 27, MISSING_SCORE});
    return doc;
}

QStringList Rows(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

} // namespace

class ProgressDialogTest : public QObject {
    Q_OBJECT
    Messages m_messages;

    struct Fixture {
        std::unique_ptr<CMarkwiseDoc> doc = GradedClass();
        ProgressReportState state;
        int repaints = 0;
        std::unique_ptr<CProgressReportsDlg> dialog;

        CProgressReportsDlg& Open() {
            dialog = std::make_unique<CProgressReportsDlg>(state, *doc, CGradeCutoffs{},
                                                           [this] { ++repaints; });
            [[maybe_unused]] const bool shown = ShowActive(*dialog);
            return *dialog;
        }
    };

    static void Search(CProgressReportsDlg& dialog, const QString& cutoff) {
        dialog.CutoffBox()->setText(cutoff);
        QTest::mouseClick(dialog.FindButton(), Qt::LeftButton);
    }

private slots:
    void initTestCase() { DropOffscreenNoise(); }
    void init() { m_messages.texts.clear(); }

    void controlStatesThroughSearches() {
        Fixture f;
        f.state.m_foundCount = 7; // the dialog empties the old list
        CProgressReportsDlg& dialog = f.Open();
        QCOMPARE(f.state.m_foundCount, 0);
        QCOMPARE(dialog.CutoffBox()->text(), QString("70"));
        QVERIFY(!dialog.GenerateButton()->isEnabled() && !dialog.List()->isEnabled());
        QVERIFY(!dialog.CommentBox()->isEnabled() && !dialog.UpdateButton()->isEnabled());

        // Neither Escape nor Enter ends it before a search.
        Press(Qt::Key_Escape);
        Press(Qt::Key_Return);
        QVERIFY(dialog.isVisible());

        // Not a number: a message, no search.
        Search(dialog, "abc");
        QCOMPARE(m_messages.texts.size(), 1);
        QVERIFY(!dialog.GenerateButton()->isEnabled());

        // Nobody: the message; Generate only.
        Search(dialog, "-1");
        QCOMPARE(m_messages.texts.last(), QString("No Students found below that percentage"));
        QVERIFY(dialog.GenerateButton()->isEnabled() && !dialog.List()->isEnabled());
        QVERIFY(!dialog.UpdateButton()->isEnabled());

        // Somebody: exactly 80 is listed; the first entry is shown in full precision.
        Search(dialog, "83.3333");
        QCOMPARE(Rows(dialog.List()), (QStringList{"Last0, First0", "Last1, First1"}));
        QCOMPARE(f.state.m_cutoffPercent, 83.3333);
        QVERIFY(dialog.List()->isEnabled() && dialog.UpdateButton()->isEnabled());
        QCOMPARE(dialog.List()->currentRow(), 0);
        QCOMPARE(dialog.PercentBox()->text(), QString("50"));
        QCOMPARE(dialog.GradeBox()->text(), QString("F"));
        dialog.List()->setCurrentRow(1);
        QCOMPARE(dialog.PercentBox()->text(), QString("80"));

        Search(dialog, "100");
        QCOMPARE(f.state.m_foundCount, 5); // nothing possible counts as 100
        dialog.List()->setCurrentRow(2);
        QCOMPARE(dialog.PercentBox()->text(), QString("83.3333333333333"));

        // A later empty search keeps the list's controls enabled.
        Search(dialog, "10");
        QVERIFY(dialog.List()->isEnabled() && dialog.UpdateButton()->isEnabled());

        // Enter is not OK; Escape is Generate now, and repaints the window.
        Press(Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.repaints, 1);
    }

    void commentsStayWithListPositions() {
        Fixture f;
        CProgressReportsDlg& dialog = f.Open();
        Search(dialog, "100");

        dialog.CommentBox()->setText("Needs help");
        QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
        // The next entry is selected but not shown: Update again copies the comment.
        QCOMPARE(dialog.List()->currentRow(), 1);
        QCOMPARE(dialog.CommentBox()->text(), QString("Needs help"));
        QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
        QCOMPARE(f.state.m_reportComments[1], std::string("Needs help"));
        QCOMPARE(f.repaints, 2);

        // The last entry keeps the selection; an empty comment clears it.
        dialog.List()->setCurrentRow(4);
        dialog.CommentBox()->setText("Last");
        QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
        QCOMPARE(dialog.List()->currentRow(), 4);
        QCOMPARE(f.state.m_reportComments[4], std::string("Last"));
        dialog.CommentBox()->clear();
        QTest::mouseClick(dialog.UpdateButton(), Qt::LeftButton);
        QCOMPARE(f.state.m_reportComments[4], std::string());

        // The comment box takes 20 characters.
        dialog.CommentBox()->setFocus();
        dialog.CommentBox()->clear();
        Type(QString(25, 'x'));
        QCOMPARE(dialog.CommentBox()->text().size(), CProgressReportsDlg::kCommentLimit);

        // Another cut-off: entry 1 is another student, with the same comment.
        Search(dialog, "83.4");
        QCOMPARE(f.state.m_foundCount, 3);
        dialog.List()->setCurrentRow(1);
        QCOMPARE(dialog.CommentBox()->text(), QString("Needs help"));

        // A cut-off typed but not searched goes back to the searched one on selecting.
        dialog.CutoffBox()->setText("12");
        dialog.List()->setCurrentRow(0);
        QCOMPARE(dialog.CutoffBox()->text(), QString("83.4"));
        dialog.reject();
    }

    void reopeningRepeatsTheLastSearch() {
        Fixture f;
        f.Open();
        Search(*f.dialog, "80");
        f.state.m_reportComments[0] = "Kept";
        f.dialog->reject();
        f.state.m_dialogShown = 1;

        CProgressReportsDlg& again = f.Open();
        QCOMPARE(again.CutoffBox()->text(), QString("80"));
        QCOMPARE(Rows(again.List()), (QStringList{"Last0, First0", "Last1, First1"}));
        QCOMPARE(again.CommentBox()->text(), QString("Kept"));
        QVERIFY(again.GenerateButton()->isEnabled());
        again.reject();

        // Nobody at or below the cut-off any more: said as soon as it opens.
        f.doc->m_assignments[0].SetScore(30, 0);
        f.doc->m_assignments[0].SetScore(30, 1);
        m_messages.texts.clear();
        CProgressReportsDlg& third = f.Open();
        QCOMPARE(m_messages.texts, QStringList{"No Students found below that percentage"});
        QCOMPARE(third.List()->count(), 0);
        third.reject();
        QVERIFY(!third.isVisible());
    }
};

QTEST_MAIN(ProgressDialogTest)
#include "progress_dialog_test.moc"
