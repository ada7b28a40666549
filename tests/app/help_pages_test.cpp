// The help in every language: each translation has every English page, every link of
// every page leads to a page or file that is there, the menu paths a page names are the
// program's own in that language, and the help window opens the language's entry page.
#include "app/help_pages.h"
#include "framework/commands.h"
#include "framework/ui_language.h"
#include "support/app_fixture.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QtTest>

using namespace markwise;
using namespace markwise::test;

namespace {

const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The page names of one folder of the help, sorted.
QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Every href and src of a page, in order.
QStringList Links(const QString& html) {
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QStringList found;
    for (const auto& match : link.globalMatch(html))
        found.append(match.captured(1));
    return found;
}

QString Title(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(html).captured(1);
}

// A caption as a page names it: no & letter, no "..." and no shortcut.
QString Plain(QString caption) {
    caption = caption.section(QLatin1Char('\t'), 0, 0);
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (caption.endsWith(QStringLiteral("...")))
        caption.chop(3);
    return caption;
}

// Each "Menu > Command" a page shows in bold, as plain text.
QStringList MenuPaths(const QString& html) {
    static const QRegularExpression bold(QStringLiteral("<b>([^<]*?)\\s+&gt;\\s+([^<]*)</b>"));
    QStringList found;
    for (const auto& match : bold.globalMatch(html))
        found.append(QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText() +
                     QStringLiteral(" > ") +
                     QTextDocumentFragment::fromHtml(match.captured(2)).toPlainText());
    return found;
}

// Every "Menu > Command" the program's menus hold in the installed language.
QSet<QString> ProgramMenuPaths() {
    QSet<QString> paths;
    const auto table = commandTable();
    for (const auto* menus : {&frameMenus(), &documentMenus()}) {
        for (const MenuInfo& menu : *menus) {
            for (const int id : menu.items) {
                const auto info = std::find_if(table.begin(), table.end(),
                                               [id](const CommandInfo& c) { return c.id == id; });
                if (info != table.end())
                    paths.insert(Plain(menuTitle(menu)) + QStringLiteral(" > ") +
                                 Plain(menuText(*info)));
            }
        }
    }
    return paths;
}

} // namespace

class HelpPagesTest : public QObject, AppFixture {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { FreshFolder(); }
    void cleanup() { CloseApp(); }

    void everyLanguageHasEveryPage() {
        const QStringList english = Pages(QStringLiteral(":/help"));
        QCOMPARE(english.size(), 9);
        for (const QString& language : kLanguages) {
            const QString folder = QStringLiteral(":/help/") + language;
            QCOMPARE(Pages(folder), english);
            for (const QString& page : english) {
                const QString original = Read(QStringLiteral(":/help/") + page);
                const QString translated = Read(folder + QLatin1Char('/') + page);
                const QString where = language + QLatin1Char('/') + page;
                // The same links in the same order, the style sheet one folder up.
                QStringList expected = Links(original);
                expected.replaceInStrings(QStringLiteral("style.css"),
                                          QStringLiteral("../style.css"));
                QCOMPARE(Links(translated), expected);
                QVERIFY2(translated.contains(QStringLiteral("<html lang=\"%1\">").arg(language)),
                         qPrintable(where));
                // Written out in the language, not a copy: every title is translated.
                QVERIFY2(Title(translated) != Title(original) && !Title(translated).isEmpty(),
                         qPrintable(where));
                QCOMPARE(MenuPaths(translated).size(), MenuPaths(original).size());
            }
        }
    }

    // Relative links resolved against their page: each is a file of the help (and an
    // anchor, where one is named, is on that page).
    void everyInternalLinkResolves() {
        int checked = 0;
        for (const QString& folder : QStringList{QString()} + kLanguages) {
            const QString base = QStringLiteral("qrc:/help/") +
                                 (folder.isEmpty() ? QString() : folder + QLatin1Char('/'));
            for (const QString& page : Pages(QStringLiteral(":/help/") + folder)) {
                const QUrl pageUrl(base + page);
                for (const QString& link : Links(Read(QLatin1Char(':') + pageUrl.path()))) {
                    const QUrl target = pageUrl.resolved(QUrl(link));
                    QVERIFY2(
                        target.scheme() == QLatin1String("qrc"),
                        qPrintable(pageUrl.toString() + QStringLiteral(" links out: ") + link));
                    const QString file = QLatin1Char(':') + target.path();
                    QVERIFY2(QFile::exists(file),
                             qPrintable(pageUrl.toString() + QStringLiteral(": ") + link));
                    if (target.hasFragment())
                        QVERIFY2(
                            Read(file).contains(QStringLiteral("id=\"%1\"").arg(target.fragment())),
                            qPrintable(pageUrl.toString() + QStringLiteral(": ") + link));
                    ++checked;
                }
            }
        }
        QVERIFY(checked >= 4 * 9 * 3); // contents links, the style sheet and the topics
    }

    // The menu paths each page names are those the program shows in its language.
    void menuPathsAreTheProgramsOwn() {
        for (const QString& language : QStringList{QStringLiteral("en")} + kLanguages) {
            const UiLanguage ui{QLocale(language)};
            const QSet<QString> program = ProgramMenuPaths();
            const QString folder = QStringLiteral(":/help/") +
                                   (language == QLatin1String("en") ? QString() : language);
            int named = 0;
            for (const QString& page : Pages(folder)) {
                for (const QString& path : MenuPaths(Read(folder + QLatin1Char('/') + page))) {
                    QVERIFY2(program.contains(path), qPrintable(language + QLatin1Char('/') + page +
                                                                QStringLiteral(": ") + path));
                    ++named;
                }
            }
            QVERIFY2(named >= 20, qPrintable(language));
        }
    }

    void helpWindowOpensTheLanguagesPage() {
        const struct {
            QLocale locale;
            QString page;
        } cases[] = {
            {QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qrc:/help/de/index.html")},
            {QLocale(QLocale::German, QLocale::Austria), QStringLiteral("qrc:/help/de/index.html")},
            {QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qrc:/help/es/index.html")},
            {QLocale(QLocale::French, QLocale::Canada), QStringLiteral("qrc:/help/fr/index.html")},
            {QLocale(QLocale::English, QLocale::UnitedKingdom),
             QStringLiteral("qrc:/help/index.html")},
            {QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qrc:/help/index.html")},
            {QLocale::c(), QStringLiteral("qrc:/help/index.html")},
        };
        for (const auto& c : cases) {
            const UiLanguage ui{c.locale};
            QCOMPARE(HelpIndexUrl(), QUrl(c.page));
            QVERIFY(StartApp());
            frame().executeCommand(ID_HELP);
            QTextBrowser* help = m_app->helpWindow();
            QVERIFY(help && help->isVisible());
            QCOMPARE(help->source(), QUrl(c.page));
            // The page is there and shown: its heading is the window's translated title.
            QCOMPARE(help->documentTitle(), help->windowTitle());
            CloseApp();
        }
    }
};

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
