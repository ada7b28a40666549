#include "framework/command_target.h"
#include "framework/commands.h"
#include "framework/file_names.h"

#include <QtTest>
#include <set>

using namespace markwise;

namespace {

// Handles the ids it was given, enabled or not, while `handling` holds; records what it ran.
class FakeTarget : public CommandTarget {
public:
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
private slots:
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
        for (const std::string bytes :
             {"/tmp/caf\xc3\xa9.MKW", "/tmp/Cours\xe9.MKW", "\xff\xfe", "\xc3", "x\xc3\x28",
              "\xed\xa0\x80 encoded surrogate", "\xc0\xaf overlong", "\xf4\x90\x80\x80 too high",
              "\xe9\xc3\xa9\xe9"}) {
            QCOMPARE(pathBytes(pathFromBytes(bytes)), bytes);
        }
        QCOMPARE(pathFromBytes("Cours\xe9.MKW").size(), 10);
    }
};

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
