#include "dialog_test_support.h"
#include "dialogs/field_rules.h"

#include <QTest>

using namespace markwise;
using namespace markwise::test;

class FieldRulesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QuietOffscreenNotice(); }

    void digitsOnlyBoxTakesDigitsAndKeepsLoadedValues() {
        QLineEdit box;
        DigitsOnlyFilter::Install(&box);
        QTest::keyClicks(&box, "1a2.-3 x4");
        QCOMPARE(box.text(), QStringLiteral("1234"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("123"));

        // A value loaded from the class is not a typed key: it stays, and digits extend it.
        box.setText(QStringLiteral("7.5"));
        QTest::keyClicks(&box, "5e");
        QCOMPARE(box.text(), QStringLiteral("7.55"));
        // Shortcuts still work in the box.
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&box, "9");
        QCOMPARE(box.text(), QStringLiteral("9"));

        QVERIFY(DigitsOnlyFilter::AllowsKeyText(QString()));
        QVERIFY(DigitsOnlyFilter::AllowsKeyText(QStringLiteral("\r")));
        QVERIFY(!DigitsOnlyFilter::AllowsKeyText(QStringLiteral("-")));
        QVERIFY(!DigitsOnlyFilter::AllowsKeyText(QStringLiteral("\u0663"))); // Arabic-Indic 3
    }

    void limitedBoxStopsTypingButShowsLongerStoredText() {
        LimitedLineEdit box(10);
        QTest::keyClicks(&box, "Abercrombie-Smith");
        QCOMPARE(box.text(), QStringLiteral("Abercrombi"));

        box.SetLimitedText(QStringLiteral("Featherstonehaugh"));
        QCOMPARE(box.text(), QStringLiteral("Featherstonehaugh"));
        QCOMPARE(box.cursorPosition(), 0); // shown from its start
        QTest::keyClicks(&box, "x");
        QCOMPARE(box.text(), QStringLiteral("Featherstonehaugh"));
        // Shortened, it never grows back past what it has become.
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, "hh");
        QCOMPARE(box.text(), QStringLiteral("Featherstonehaug"));

        box.SetLimitedText(QStringLiteral("Lee"));
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClicks(&box, "-Thompsonn");
        QCOMPARE(box.text(), QStringLiteral("Lee-Thomps"));
    }

    void integersAreReadAsADialogReadsThem() {
        int value = -1;
        QVERIFY(ParseInteger(QStringLiteral("94"), value));
        QCOMPARE(value, 94);
        QVERIFY(ParseInteger(QStringLiteral("  +87 "), value));
        QCOMPARE(value, 87);
        QVERIFY(ParseInteger(QStringLiteral("-3"), value));
        QCOMPARE(value, -3);
        value = 11;
        for (const char* bad : {"", "   ", "9a", "1.5", "+-5", "--5", "99999999999", "+"}) {
            QVERIFY2(!ParseInteger(QString::fromLatin1(bad), value), bad);
            QCOMPARE(value, 11);
        }
    }

    void readerShowsOneMessageAndStopsAtTheFirstBadBox() {
        Messages messages;
        QWidget dialog;
        auto* name = new LimitedLineEdit(8, &dialog);
        auto* points = new QLineEdit(QStringLiteral("ten"), &dialog);
        auto* cutoff = new QLineEdit(&dialog);
        name->SetLimitedText(QStringLiteral("Midterm 1"));

        FieldReader reader(&dialog);
        std::string text = "unchanged";
        double number = 0.0;
        int whole = 0;
        QVERIFY(!reader.Text(name, QStringLiteral("Assignment Title"), text));
        QVERIFY(!reader.Number(points, QStringLiteral("Points Possible"), number));
        QVERIFY(!reader.Integer(cutoff, QStringLiteral("A+"), whole));
        QVERIFY(!reader.Ok());
        QCOMPARE(text, std::string("unchanged"));
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("\"Assignment Title\" holds more than 8 characters. "
                                            "Please shorten it.")});

        FieldReader second(&dialog);
        name->SetLimitedText(QStringLiteral("Midterm"));
        QVERIFY(second.Text(name, QStringLiteral("Assignment Title"), text));
        QCOMPARE(text, std::string("Midterm"));
        QVERIFY(!second.Number(points, QStringLiteral("Points Possible"), number));
        QCOMPARE(messages.texts.last(), QStringLiteral("Please enter a number in \"Points "
                                                       "Possible\"."));
        FieldReader third(&dialog);
        QVERIFY(!third.Integer(cutoff, QStringLiteral("A+"), whole));
        QCOMPARE(messages.texts.last(), QStringLiteral("Please enter a whole number in \"A+\"."));
        QCOMPARE(messages.texts.size(), 3);
    }
};

QTEST_MAIN(FieldRulesTest)
#include "field_rules_test.moc"
