#include "framework/command_target.h"
#include "framework/commands.h"
#include "framework/file_names.h"

#include <QtTest>
#include <set>

using namespace markwise;

namespace {

// Handles the ids it was given; records what it ran.
class FakeTarget : public CommandTarget {
public:
    FakeTarget(std::set<int> handled, bool enabled = true)
        : m_handled(std::move(handled)), m_enabled(enabled) {}
    bool updateCommand(int id, CommandState& state) override {
        state.enabled = m_enabled;
        return m_handled.count(id) > 0;
    }
    void runCommand(int id) override { ran.push_back(id); }
    std::vector<int> ran;

private:
    std::set<int> m_handled;
    bool m_enabled;
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
};

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
