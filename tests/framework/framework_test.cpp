#include "framework/command_target.h"
#include "framework/commands.h"
#include "framework/draw_list.h"
#include "framework/file_names.h"

#include <QImage>
#include <QPainter>
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

        QVERIFY(route.run(2));
        QVERIFY(route.run(3));
        QCOMPARE(view.ran, std::vector<int>{2});
        QCOMPARE(document.ran, std::vector<int>{3});
        // Nobody handles 5: disabled and not run. A handler may disable its command.
        QVERIFY(!route.state(5).enabled);
        QVERIFY(!route.run(5));
        QVERIFY(!route.state(4).enabled);
        QVERIFY(!route.run(4));
        QVERIFY(disabled.ran.empty());
    }

    void everyMenuButtonAndKeyHasATableEntry() {
        std::vector<int> ids;
        for (const auto* menus : {&frameMenus(), &documentMenus()}) {
            for (const MenuInfo& menu : *menus) {
                ids.insert(ids.end(), menu.items.begin(), menu.items.end());
            }
        }
        ids.insert(ids.end(), toolbarButtons().begin(), toolbarButtons().end());
        for (const Accelerator& key : accelerators()) {
            ids.push_back(key.id);
        }
        for (int id : ids) {
            if (id > 0) {
                QVERIFY2(findCommand(id), qPrintable(QString::number(id)));
            }
        }
        const auto buttons = toolbarButtons();
        QCOMPARE(std::count_if(buttons.begin(), buttons.end(), [](int id) { return id > 0; }), 13);
    }

    void classExtensionIsAddedOnlyWithoutOne() {
        QCOMPARE(withClassExtension("/tmp/period3"), QString("/tmp/period3.MKW"));
        QCOMPARE(withClassExtension("/tmp/period3.mkw"), QString("/tmp/period3.mkw"));
        QCOMPARE(withClassExtension("/tmp/v1.2/period3"), QString("/tmp/v1.2/period3.MKW"));
    }

    void textsAreDrawnByTheirTopLeftCorner() {
        QImage image(200, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(20);
        painter.setFont(font);
        DrawTexts(painter, {{50, 20, "W"}});
        painter.end();
        // Ink lies below y = 20 and right of x = 50, and nowhere above or left of the corner.
        int top = image.height();
        int left = image.width();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    top = std::min(top, y);
                    left = std::min(left, x);
                }
            }
        }
        QVERIFY(top >= 20 && top < 30);
        QVERIFY(left >= 50 && left < 56);
    }
};

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
