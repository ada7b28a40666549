#include "core/markwise_doc.h"
#include "core/profile.h"
#include "framework/commands.h"
#include "framework/document.h"
#include "framework/offscreen_messages.h"
#include "framework/ui_seam.h"
#include "framework/win_app.h"
#include "gradesheet/markwise_view.h"
#include "gradesheet/view_dialogs.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace markwise;

namespace {

std::unique_ptr<CMarkwiseDoc> makeClass(int students, int assignments) {
    auto doc = std::make_unique<CMarkwiseDoc>();
    for (int s = 0; s < students; ++s) {
        doc->AddStudent({"First" + std::to_string(s), "Last" + std::to_string(students - s),
                         "ID" + std::to_string(s), "", "", ""});
    }
    for (int a = 0; a < assignments; ++a) {
        doc->NewAssignment("A" + std::to_string(a), "", 10);
        for (int s = 0; s < students; ++s) {
            doc->m_assignments[a].SetScore(s % 11, s);
        }
    }
    doc->SetModifiedFlag(false);
    return doc;
}

} // namespace

class GradeSheetTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<CDocument> m_document;
    std::unique_ptr<CMarkwiseView> m_view;
    QStringList m_messages;

    // A view of `width` client pixels on a class of that many students and assignments.
    CMarkwiseView& open(int students, int assignments, int width = 676) {
        m_document = std::make_unique<CDocument>(m_app->docManager(),
                                                 makeClass(students, assignments), "", "T");
        m_view = std::make_unique<CMarkwiseView>(*m_document);
        m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_view->resize(width + m_view->verticalScrollBar()->sizeHint().width() +
                           2 * m_view->frameWidth(),
                       400);
        m_view->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(m_view.get());
        m_view->OnInitialUpdate();
        m_view->viewport()->repaint(); // measures the row height
        return *m_view;
    }
    CMarkwiseDoc& doc() { return m_document->data(); }

private slots:
    void initTestCase() { test::filterOffscreenNoise(); }
    void init() {
        m_app = std::make_unique<CWinApp>(CProfile((m_dir.path() + "/Markwise.ini").toStdString()));
        m_messages.clear();
        UiSeam::setAnswerer([this](const QString& text, Buttons) {
            m_messages << text;
            return Answer::Ok;
        });
        viewDialogs() = ViewDialogs{};
    }
    void cleanup() {
        m_view.reset();
        m_document.reset();
        m_app.reset();
        QFile::remove(m_dir.path() + "/Markwise.ini");
    }

    void scrollRightStopsAtTheLastAssignmentAndLeftAtZero() {
        CMarkwiseView& view = open(2, 10);
        QCOMPARE(view.VisibleColumnCount(), 3);
        for (int i = 0; i < 12; ++i) {
            view.runCommand(ID_SCROLL_RIGHT);
        }
        QCOMPARE(view.m_firstAssignment, 7);
        for (int i = 0; i < 12; ++i) {
            view.runCommand(ID_SCROLL_LEFT);
        }
        QCOMPARE(view.m_firstAssignment, 0);

        // More room than assignments: nothing to scroll.
        CMarkwiseView& wide = open(2, 2, 900);
        wide.runCommand(ID_SCROLL_RIGHT);
        QCOMPARE(wide.m_firstAssignment, 0);
        QVERIFY(!doc().IsModified());
    }

    void sortsMarkTheClassModifiedExceptByName() {
        CMarkwiseView& view = open(5, 2);
        view.runCommand(ID_SORT_NAME);
        QVERIFY(!doc().IsModified());
        QCOMPARE(doc().m_lastName[0], std::string("Last1"));
        view.runCommand(ID_SORT_TOTAL);
        QVERIFY(doc().IsModified());
        doc().SetModifiedFlag(false);
        view.runCommand(ID_SORT_RANDOM);
        QVERIFY(doc().IsModified());
    }

    void studentIdTogglesWithItsCheckMark() {
        CMarkwiseView& view = open(1, 0);
        CommandState state;
        QVERIFY(view.updateCommand(ID_VIEW_STUDENT_ID, state));
        QVERIFY(!state.checked);
        view.runCommand(ID_VIEW_STUDENT_ID);
        QVERIFY(view.updateCommand(ID_VIEW_STUDENT_ID, state));
        QVERIFY(state.checked);
        QCOMPARE(doc().m_showNames, 0);
        view.runCommand(ID_VIEW_STUDENT_ID);
        QCOMPARE(doc().m_showNames, 1);
        QVERIFY(!doc().IsModified());
    }

    void dialogCommandsNeedTheirEntry() {
        CMarkwiseView& view = open(0, 0);
        CommandState state;
        QVERIFY(!view.updateCommand(ID_STUDENT_NEW, state));
        int opened = 0;
        viewDialogs().addStudent = [&](CMarkwiseView& v) {
            QCOMPARE(&v, &view);
            ++opened;
        };
        viewDialogs().newAssignment = [&](CMarkwiseView&) { ++opened; };
        QVERIFY(view.updateCommand(ID_STUDENT_NEW, state));
        view.runCommand(ID_STUDENT_NEW);
        QCOMPARE(opened, 1);
        // No students yet: New Assignment refuses with a message and opens nothing.
        view.runCommand(ID_ASSIGNMENT_NEW);
        QCOMPARE(opened, 1);
        QCOMPARE(m_messages, QStringList{"You haven't created any students yet!"});
    }

    void clicksOpenTheEditorUnderTheMouse() {
        CMarkwiseView& view = open(3, 4);
        const int h = view.m_rowHeight;
        QVERIFY(h > 0);
        QStringList opened;
        viewDialogs().editStudent = [&](CMarkwiseView&, int s) { opened << QString("S%1").arg(s); };
        viewDialogs().editAssignment = [&](CMarkwiseView&, int a, int s) {
            opened << QString("A%1/%2").arg(a).arg(s);
        };
        auto click = [&](int x, int y) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, y));
        };
        click(10, h + 1 + 2 * h);    // third student's name
        click(350, 1);               // heading of the second shown column
        click(250, h + 1);           // first column, first student
        click(10, h - 1);            // above the names: nothing
        click(200, h + 1);           // the boundary x = 200: nothing
        click(250, 4 * h + 1);       // points-possible row: nothing
        click(200 + 3 * 100 + 5, 1); // heading right of the shown columns: nothing
        QCOMPARE(opened, (QStringList{"S2", "A1/0", "A0/0"}));
    }

    void viewsKeepTheirCutoffsAndWriteThemWhenTheyGo() {
        CGradeCutoffs changed;
        changed.m_cutoffAPlus = 95;
        m_app->setCutoffs(changed);
        CMarkwiseView& view = open(1, 1);
        QCOMPARE(view.m_cutoffs.m_cutoffAPlus, 95);
        view.m_cutoffs.m_cutoffA = 91;
        m_view.reset();
        QCOMPARE(m_app->profile().ReadCutoffs().m_cutoffA, 91);
        QCOMPARE(m_app->profile().ReadCutoffs().m_cutoffAPlus, 95);

        // Preferences: every open view and the profile at once.
        CMarkwiseView& first = open(1, 1);
        CMarkwiseView second(*m_document);
        CGradeCutoffs chosen;
        chosen.m_cutoffD = 50;
        QVERIFY(CMarkwiseView::ApplyCutoffsEverywhere(chosen));
        QCOMPARE(first.m_cutoffs, chosen);
        QCOMPARE(second.m_cutoffs, chosen);
        QCOMPARE(m_app->cutoffs(), chosen);
        QCOMPARE(m_app->profile().ReadCutoffs(), chosen);
    }
};

QTEST_MAIN(GradeSheetTest)
#include "gradesheet_test.moc"
