#include "core/class_file.h"
#include "core/profile.h"
#include "framework/class_editor.h"
#include "framework/command_target.h"
#include "framework/commands.h"
#include "framework/file_names.h"
#include "framework/recovery.h"
#include "framework/user_folders.h"
#include "support/class_builder.h"

#include <QSignalSpy>
#include <QtTest>
#include <set>

using namespace markwise;

namespace {

// Handles the ids it was given, enabled or not, while `handling` holds; records what it ran.
struct FakeTarget : CommandTarget {
    FakeTarget(std::set<int> handled, bool enabled = true, const bool* handling = nullptr) {
        for (int id : handled) {
            Handler& handler = handle(id, [this, id] { ran.push_back(id); });
            handler.state([enabled](CommandState& state) { state.enabled = enabled; });
            if (handling)
                handler.onlyWhile([handling] { return *handling; });
        }
    }
    std::vector<int> ran;
};

} // namespace

class FrameworkTest : public QObject {
    Q_OBJECT
    static std::vector<unsigned char> Bytes(const CClassEditor& editor) {
        return WriteClass(editor.data());
    }
    static std::unique_ptr<ClassEdit> Rename(int n) {
        return EditStudentEdit(n % 5, {"First", "Name " + std::to_string(n), "", "", "", ""});
    }

private slots:
    // The history keeps the newest steps that fit, and what it keeps still undoes and
    // redoes exactly; a saved state that was dropped leaves the class modified for good.
    void theOldestStepsGoFirstWhenTheHistoryIsFull() {
        auto doc = test::FilledClass(5, 2);
        CClassEditor editor(*doc);
        editor.apply("Edit Student", Rename(0));
        const std::size_t step = editor.historyBytes();
        editor.setHistoryLimit(step * 10);

        std::vector<std::vector<unsigned char>> states{Bytes(editor)};
        for (int n = 1; n <= 40; ++n) {
            editor.apply("Edit Student", Rename(n));
            states.push_back(Bytes(editor));
            QVERIFY(editor.historyBytes() <= editor.historyLimit());
            if (n == 35)
                editor.markSaved();
        }
        const int kept = editor.history().count();
        QVERIFY(kept >= 8 && kept <= 10);
        while (editor.history().canUndo())
            editor.undo();
        QCOMPARE(Bytes(editor), states[states.size() - 1 - kept]);
        QVERIFY(doc->IsModified());
        for (int i = 0; i < kept - 5; ++i)
            editor.redo();
        QVERIFY(!doc->IsModified()); // the state saved after step 35
        while (editor.history().canRedo())
            editor.redo();
        QCOMPARE(Bytes(editor), states.back());

        // Dropping the saved state itself: modified even back at the bytes saved.
        editor.undo();
        editor.undo();
        editor.markSaved();
        editor.redo();
        editor.redo();
        editor.setHistoryLimit(0);
        QCOMPARE(editor.history().count(), 1);
        editor.undo();
        QVERIFY(doc->IsModified());
    }

    // One session's edits merge into one step named for the latest (the dialog's names are
    // driven in the undo tests); every change, the listing toggle too, is signalled once.
    void oneStepPerSessionAndOneSignalPerChange() {
        auto doc = test::FilledClass(5, 2);
        const std::vector<unsigned char> before = WriteClass(*doc);
        CClassEditor editor(*doc);
        QSignalSpy changed(&editor, &CClassEditor::changed);
        const int session = editor.newSession();
        for (int s = 1; s < 4; ++s)
            editor.apply(s < 3 ? "Edit Assignment" : "Fast Edit scores", SetScoreEdit(0, s, 5),
                         session);
        const std::vector<unsigned char> stored = WriteClass(*doc);
        editor.apply("Edit Assignment", AssignmentDetailsEdit(1, "Title 1", "", 10),
                     editor.newSession());
        QCOMPARE(editor.history().count(), 2);
        QCOMPARE(editor.history().undoText(), QStringLiteral("Edit Assignment"));
        QCOMPARE(changed.count(), 4);
        editor.undo();
        QCOMPARE(changed.count(), 5);
        QCOMPARE(editor.history().undoText(), QStringLiteral("Fast Edit scores"));
        QVERIFY(Bytes(editor) == stored);
        editor.undo(); // the three scores at once
        QVERIFY(Bytes(editor) == before);
        editor.redo();
        QCOMPARE(changed.count(), 7);
        editor.toggleListing();
        QCOMPARE(changed.count(), 8);
        QCOMPARE(editor.history().count(), 2);
    }
    void routeGivesTheCommandToTheFirstHandler() {
        FakeTarget view({1, 2});
        FakeTarget document({2, 3});
        FakeTarget disabled({4}, false);
        const CommandRoute route{&view, nullptr, &document, &disabled};
        QVERIFY(route.run(2) && route.run(3));
        QCOMPARE(view.ran, std::vector<int>{2});
        QCOMPARE(document.ran, std::vector<int>{3});
        // Nobody handles 5: disabled and not run. A handler may disable its command.
        QVERIFY(!route.state(5).enabled && !route.run(5));
        QVERIFY(!route.state(4).enabled && !route.run(4));
        QVERIFY(disabled.ran.empty());

        // A target that lists an id but does not handle it now passes it on, when routed
        // and when run directly.
        bool handling = false;
        FakeTarget sometimes({6}, true, &handling);
        FakeTarget always({6});
        const CommandRoute passing{&sometimes, &always};
        QVERIFY(passing.run(6));
        sometimes.runCommand(6);
        QVERIFY(sometimes.ran.empty());
        QCOMPARE(always.ran, std::vector<int>{6});
        handling = true;
        QVERIFY(passing.run(6));
        QCOMPARE(sometimes.ran, std::vector<int>{6});
        QCOMPARE(always.ran, std::vector<int>{6});
    }

    void classExtensionIsAddedOnlyWithoutOne() {
        QCOMPARE(withClassExtension("/tmp/period3.mkw"), QString("/tmp/period3.mkw"));
        QCOMPARE(withClassExtension("/tmp/v1.2/period3"), QString("/tmp/v1.2/period3.MKW"));
    }

    // File names keep their bytes through a QString, UTF-8 or not.
    void pathsRoundTripTheirBytes() {
        QCOMPARE(pathFromBytes("/tmp/caf\xc3\xa9 \xf0\x9f\x93\x9a.MKW"),
                 QString::fromUtf8("/tmp/caf\xc3\xa9 \xf0\x9f\x93\x9a.MKW"));
        for (const std::string bytes : {"/tmp/Cours\xe9.MKW", "\xc3", "\xed\xa0\x80 surrogate",
                                        "\xc0\xaf overlong", "\xe9\xc3\xa9\xe9"})
            QCOMPARE(pathBytes(pathFromBytes(bytes)), bytes);
        QCOMPARE(pathFromBytes("Cours\xe9.MKW").size(), 10);
    }

    // On Linux the desktop program finds its folders as the command-line tool does, bytes
    // and all; the recovery copies live in the state folder.
    void foldersAreTheToolsOnLinux() {
        const QByteArray saved = qgetenv("XDG_STATE_HOME"), config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_STATE_HOME", "/tmp/\xe9tat");
        qputenv("XDG_CONFIG_HOME", "/tmp/cfg");
        QCOMPARE(pathBytes(UserFolderPath(UserFolder::State)),
                 std::string("/tmp/\xe9tat/Markwise"));
        QCOMPARE(pathBytes(UserFolderPath(UserFolder::Profile)), std::string("/tmp/cfg/Markwise"));
        QCOMPARE(DesktopProfilePath(), CProfile::DefaultPath());
        QCOMPARE(pathBytes(CRecoveryCopies::DefaultFolder()),
                 std::string("/tmp/\xe9tat/Markwise/recovery"));
        qputenv("XDG_STATE_HOME", saved);
        qputenv("XDG_CONFIG_HOME", config);
    }
};

QTEST_GUILESS_MAIN(FrameworkTest)
#include "framework_test.moc"
