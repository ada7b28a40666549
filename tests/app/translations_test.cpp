// The translations: complete for today's sources, every placeholder, shortcut and line
// break kept, menu letters unique in every language, and numbers in the language's form.
#include "app/interchange_commands.h"
#include "core/policy_edit.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/field_rules.h"
#include "dialogs/grading_policy_dlg.h"
#include "framework/commands.h"
#include "framework/report_words.h"
#include "framework/ui_language.h"
#include "summaries/student_summary_dlg.h"
#include "support/offscreen_noise.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

namespace {

const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};

// "%1", "%2", ... in a text, sorted, with repeats.
QStringList Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const auto& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

QString ShortcutSuffix(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab);
}

// The & letter of a caption, lowercased; empty for none ("&&" is a literal ampersand).
QString Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption.mid(i + 1, 1).toLower();
        ++i;
    }
    return {};
}

// Each problem of one message of a .ts file, as a readable line.
QStringList MessageProblems(const QString& context, const QString& source,
                            const QString& translation, const QString& type) {
    QStringList problems;
    const QString where = context + QStringLiteral(" \"") + source + QStringLiteral("\": ");
    if (!type.isEmpty())
        problems.append(where + type);
    if (translation.isEmpty())
        problems.append(where + QStringLiteral("no translation"));
    if (Placeholders(source) != Placeholders(translation))
        problems.append(where + QStringLiteral("placeholders differ: ") + translation);
    if (ShortcutSuffix(source) != ShortcutSuffix(translation))
        problems.append(where + QStringLiteral("shortcut changed: ") + translation);
    if (source.count(QLatin1Char('\n')) != translation.count(QLatin1Char('\n')))
        problems.append(where + QStringLiteral("line breaks differ: ") + translation);
    if (Mnemonic(source).isEmpty() != Mnemonic(translation).isEmpty())
        problems.append(where + QStringLiteral("menu letter added or lost: ") + translation);
    return problems;
}

QStringList TsProblems(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + path};
    QXmlStreamReader xml(&file);
    QStringList problems;
    QString context;
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            problems += MessageProblems(context, source, xml.readElementText(), type);
            ++messages;
        }
    }
    if (xml.hasError())
        problems.append(path + QStringLiteral(": ") + xml.errorString());
    if (messages < 300)
        problems.append(path + QStringLiteral(": only %1 texts").arg(messages));
    return problems;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    // lupdate over today's sources into copies of the .ts files: anything new, changed or
    // gone shows as unfinished or vanished there.
    void everyTextTranslated() {
        const QString sourceDir = qEnvironmentVariable("MARKWISE_SOURCE_DIR");
        QTemporaryDir copies;
        QVERIFY(copies.isValid());
        QStringList layers;
        for (const char* layer :
             {"framework", "gradesheet", "dialogs", "summaries", "reports", "app"})
            layers.append(sourceDir + QStringLiteral("/src/") + QLatin1String(layer));
        // The core's sentences, which the desktop translates by their English templates.
        layers.append(sourceDir + QStringLiteral("/src/core/message.cpp"));
        for (const QString& language : kLanguages) {
            const QString name = QStringLiteral("markwise_%1.ts").arg(language);
            const QString copy = copies.filePath(name);
            QVERIFY(QFile::copy(sourceDir + QStringLiteral("/translations/") + name, copy));
            QProcess lupdate;
            lupdate.start(QStringLiteral(MARKWISE_LUPDATE),
                          QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"),
                                      QStringLiteral("none")} +
                              layers + QStringList{QStringLiteral("-ts"), copy});
            QVERIFY(lupdate.waitForFinished(120000));
            QCOMPARE(lupdate.exitCode(), 0);
            const QStringList problems = TsProblems(copy);
            QVERIFY2(problems.isEmpty(), qPrintable(language + QStringLiteral(":\n") +
                                                    problems.join(QLatin1Char('\n'))));
        }
    }

    // Through the translator the program loads: each menu's letters unique, and the menu
    // bar's titles too, in every language and in English.
    void menuLettersUniquePerLanguage() {
        for (const QString& language : QStringList{QStringLiteral("en")} + kLanguages) {
            const UiLanguage ui{QLocale(language)};
            QCOMPARE(ui.translated(), language != QLatin1String("en"));
            for (const auto* menus : {&frameMenus(), &documentMenus()}) {
                QSet<QString> titles;
                for (const MenuInfo& menu : *menus) {
                    const QString title = menuTitle(menu);
                    QVERIFY2(!titles.contains(Mnemonic(title)), qPrintable(language + title));
                    titles.insert(Mnemonic(title));
                    QSet<QString> letters;
                    for (int id : menu.items) {
                        const auto table = commandTable();
                        const auto info =
                            std::find_if(table.begin(), table.end(),
                                         [id](const CommandInfo& c) { return c.id == id; });
                        if (info == table.end())
                            continue; // a separator or the recent files (digits)
                        const QString letter = Mnemonic(menuText(*info));
                        if (letter.isEmpty())
                            continue;
                        QVERIFY2(!letters.contains(letter),
                                 qPrintable(language + QLatin1Char(' ') + title + QLatin1Char(' ') +
                                            menuText(*info)));
                        letters.insert(letter);
                    }
                }
            }
        }
        // The English texts are the program's own, with no translator in the way.
        QCOMPARE(menuText(commandTable()[0]), QStringLiteral("&New"));
    }

    void numbersFollowTheLanguage() {
        {
            const UiLanguage german{QLocale(QLocale::German, QLocale::Germany)};
            const NumberForm numbers;
            const struct {
                const char* core;
                QString shown;
            } cases[] = {{"88.5", QStringLiteral("88,5")},
                         {"88.5%", QStringLiteral("88,5\u00a0%")},
                         {"-2", QStringLiteral("-2")},
                         {"1.25e+006", QStringLiteral("1,25e+006")},
                         {"Quiz 1.5", QStringLiteral("Quiz 1.5")},
                         {"N/A", QStringLiteral("N/A")},
                         {"1.2.3", QStringLiteral("1.2.3")}};
            for (const auto& c : cases)
                QCOMPARE(QString::fromStdString(numbers.shown(std::string_view(c.core))), c.shown);
            QCOMPARE(numbers.typed("88,5"), std::string("88.5"));
            QCOMPARE(numbers.typed(" 88,5 "), std::string(" 88.5 "));
            QCOMPARE(numbers.typed("88.5"), std::string("88.5"));
            QCOMPARE(numbers.typed("1,2,3"), std::string("1,2,3"));
            QCOMPARE(numbers.typed("Lee, Ann"), std::string("Lee, Ann"));

            // A dialog box: "88,5" typed is stored as 88.5.
            QWidget dialog;
            auto* box = new QLineEdit(QStringLiteral("88,5"), &dialog);
            FieldReader reader(&dialog);
            double value = 0;
            QVERIFY(reader.Number(box, QStringLiteral("Points"), value));
            QCOMPARE(value, 88.5);
        }
        // English, and a language with no translation, keep the point.
        for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                      QLocale(QLocale::Italian, QLocale::Italy)}) {
            const UiLanguage ui{locale};
            QVERIFY(!ui.translated());
            QCOMPARE(NumberForm().shown(std::string_view("88.5%")), std::string("88.5%"));
        }
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
    }

    // The grading policy and the exports in each language: words translated, numbers shown
    // and typed with the language's comma, the file filters' patterns kept.
    void policyAndExportTextsFollowTheLanguage() {
        const struct {
            QLocale locale;
            QString weights;  // the dialog's line as it opens
            QString retyped;  // after "62,5" (or "62.5") is typed as the first weight
            QString typed;    // what is typed
            QString shownBox; // the first weight's box as it opens
            QStringList summary;
            QString firstFilter;
            QString reportHeading;
        } cases[] = {
            {QLocale(QLocale::English, QLocale::UnitedStates),
             "Weights: HW 25%, Tests 75%",
             "Weights: HW 62.5%, Tests 37.5%",
             "62.5",
             "12.5",
             {"HW, weight 12.5: 90%", "Exams and research papers, weight 37.5: 85.7143%"},
             "Markwise CSV, everything the class holds (*.csv)",
             "By category:"},
            {QLocale(QLocale::German, QLocale::Germany),
             "Gewichtung: HW 25\u00a0%, Tests 75\u00a0%",
             "Gewichtung: HW 62,5\u00a0%, Tests 37,5\u00a0%",
             "62,5",
             "12,5",
             {"HW, Gewichtung 12,5: 90\u00a0%",
              "Exams and research papers, Gewichtung 37,5: 85,7143\u00a0%"},
             "Markwise-CSV, alles, was die Klasse enth\u00e4lt (*.csv)",
             "Nach Kategorie:"},
            {QLocale(QLocale::Spanish, QLocale::Spain),
             "Ponderaci\u00f3n: HW 25\u00a0%, Tests 75\u00a0%",
             "Ponderaci\u00f3n: HW 62,5\u00a0%, Tests 37,5\u00a0%",
             "62,5",
             "12,5",
             {"HW, peso 12,5: 90\u00a0%", "Exams and research papers, peso 37,5: 85,7143\u00a0%"},
             "CSV de Markwise, todo lo que contiene la clase (*.csv)",
             "Por categor\u00eda:"},
            {QLocale(QLocale::French, QLocale::France),
             "Pond\u00e9ration\u00a0: HW 25\u00a0%, Tests 75\u00a0%",
             "Pond\u00e9ration\u00a0: HW 62,5\u00a0%, Tests 37,5\u00a0%",
             "62,5",
             "12,5",
             {"HW, coefficient 12,5\u00a0: 90\u00a0%",
              "Exams and research papers, coefficient 37,5\u00a0: 85,7143\u00a0%"},
             "CSV Markwise, tout le contenu de la classe (*.csv)",
             "Par cat\u00e9gorie\u00a0:"},
        };
        const QStringList englishFilters = CsvExportFilters().split(QStringLiteral(";;"));
        QCOMPARE(englishFilters.size(), 6);
        const QRegularExpression pattern(QStringLiteral("\\(\\*\\.[a-z]+\\)$"));
        for (const auto& c : cases) {
            const UiLanguage ui{c.locale};
            const QString language = c.locale.name();
            FakeHost host;
            FillClass(*host.doc, {{"Ames", "Ann"}});
            AddAssignment(*host.doc, 20, {18}, "Test");
            AddAssignment(*host.doc, 7, {6}, "Lab");
            host.editor().apply(
                QStringLiteral("Policy"),
                PolicyEdit(GradingPolicy{{{"HW", 12.5, 0}, {"Tests", 37.5, 0}}}, {0, 1}));

            CGradingPolicyDlg dialog(host);
            QVERIFY(ShowActive(dialog));
            QCOMPARE(dialog.WeightsLabel()->text(), c.weights);
            QCOMPARE(dialog.WeightBox()->text(), c.shownBox);
            Retype(dialog.WeightBox(), c.typed);
            QCOMPARE(dialog.WeightsLabel()->text(), c.retyped);
            dialog.accept();
            QCOMPARE(host.doc->m_policy.categories[0].weight, 62.5);

            // The summary's lines, back at the first weight, with a long name.
            host.editor().apply(
                QStringLiteral("Policy"),
                PolicyEdit(GradingPolicy{{{"HW", 12.5, 0}, {"Exams and research papers", 37.5, 0}}},
                           {0, 1}));
            CStudentSummaryDlg summary(host);
            QVERIFY(summary.BreakdownList() && ShowActive(summary));
            QStringList lines;
            const QListWidget* list = summary.BreakdownList();
            for (int k = 0; k < list->count(); ++k) {
                lines.append(list->item(k)->text());
                // Each line read whole, without scrolling.
                QVERIFY2(list->visualItemRect(list->item(k)).left() +
                                 list->fontMetrics().horizontalAdvance(lines.back()) <=
                             list->viewport()->width(),
                         qPrintable(language + lines.back()));
            }
            QVERIFY2(lines == c.summary, qPrintable(language + lines.join(QLatin1Char('|'))));
            QCOMPARE(QString::fromStdString(TranslatedReportTexts().byCategory), c.reportHeading);

            // Every export filter translated, with the English filter's own pattern.
            const QStringList filters = CsvExportFilters().split(QStringLiteral(";;"));
            QCOMPARE(filters.size(), englishFilters.size());
            QCOMPARE(filters.first(), c.firstFilter);
            for (qsizetype f = 0; f < filters.size(); ++f) {
                QVERIFY2(pattern.match(filters[f]).captured() ==
                                 pattern.match(englishFilters[f]).captured() &&
                             pattern.match(filters[f]).hasMatch(),
                         qPrintable(language + filters[f]));
                QVERIFY2((filters[f] == englishFilters[f]) == (language.startsWith("en")),
                         qPrintable(language + filters[f]));
            }
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
