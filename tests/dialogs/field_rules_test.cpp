#include "dialog_test_support.h"
#include "dialogs/field_rules.h"

#include <QTest>

using namespace markwise;
using namespace markwise::test;

class FieldRulesTest : public QObject {
    Q_OBJECT
private slots:
    void digitsOnlyBoxKeepsLoadedValues() {
        QLineEdit box;
        DigitsOnlyFilter::Install(&box);
        // A value loaded from the class is not a typed key: it stays, and digits extend it.
        box.setText(QStringLiteral("7.5"));
        QTest::keyClicks(&box, "5e-");
        QCOMPARE(box.text(), QStringLiteral("7.55"));
        QVERIFY(DigitsOnlyFilter::AllowsKeyText(QStringLiteral("\r")));
        QVERIFY(!DigitsOnlyFilter::AllowsKeyText(QStringLiteral("\u0663"))); // Arabic-Indic 3
    }

    void limitedBoxShowsLongerStoredTextButNeverGrowsPastIt() {
        LimitedLineEdit box(10);
        box.SetLimitedText(QStringLiteral("Featherstonehaugh"));
        QCOMPARE(box.text(), QStringLiteral("Featherstonehaugh"));
        QCOMPARE(box.cursorPosition(), 0); // shown from its start
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
        int read = 11;
        QVERIFY(ParseInteger(QStringLiteral("  +87 "), read) && read == 87);
        QVERIFY(ParseInteger(QStringLiteral("-3"), read) && read == -3);
        for (const char* bad : {"", "   ", "9a", "1.5", "+-5", "--5", "99999999999", "+"})
            QVERIFY2(!ParseInteger(QString::fromLatin1(bad), read) && read == -3, bad);
    }

    void readerShowsOneMessageAndStopsAtTheFirstBadBox() {
        Messages messages;
        QWidget dialog;
        auto* name = new LimitedLineEdit(8, &dialog);
        auto* points = new QLineEdit(QStringLiteral("ten"), &dialog);
        name->SetLimitedText(QStringLiteral("Midterm 1"));
        FieldReader reader(&dialog);
        std::string text = "unchanged";
        double number = 0.0;
        QVERIFY(!reader.Text(name, QStringLiteral("Assignment Title"), text));
        QVERIFY(!reader.Number(points, QStringLiteral("Points Possible"), number));
        QVERIFY(!reader.Ok());
        QCOMPARE(text, std::string("unchanged"));
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("\"Assignment Title\" holds more than 8 characters. "
                                            "Please shorten it.")});
    }
};

QTEST_MAIN(FieldRulesTest)
#include "field_rules_test.moc"
