// The help in every language: each translation has every English page with the same links,
// every link leads to a file of the help, the menu paths a page names are the program's own
// in that language, and the help window opens the language's entry page.
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

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Each first capture of pattern in html, in order, as plain text.
QStringList Captures(const QString& html, const QString& pattern) {
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(html))
        found.append(QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified());
    return found;
}
QStringList Links(const QString& html) {
    return Captures(html, QStringLiteral("(?:href|src)=\"([^\"]*)\""));
}
// "Menu > Command" as a page shows it in bold.
QStringList MenuPaths(const QString& html) {
    return Captures(html, QStringLiteral("<b>([^<]*\\s&gt;\\s[^<]*)</b>"));
}

// A caption as a page names it: no & letter, no "..." and no shortcut.
QString Plain(QString caption) {
    caption = caption.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    return caption.endsWith(QStringLiteral("...")) ? caption.chopped(3) : caption;
}

// Every "Menu > Command" of the program's menus in the installed language.
QSet<QString> ProgramMenuPaths() {
    QSet<QString> paths;
    for (const auto* menus : {&frameMenus(), &documentMenus()})
        for (const MenuInfo& menu : *menus)
            for (const CommandInfo& info : commandTable())
                if (std::find(menu.items.begin(), menu.items.end(), info.id) != menu.items.end())
                    paths.insert(Plain(menuTitle(menu)) + QStringLiteral(" > ") +
                                 Plain(menuText(info)));
    return paths;
}

} // namespace

class HelpPagesTest : public QObject, AppFixture {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { FreshFolder(); }
    void cleanup() { CloseApp(); }

    void everyLanguageHasEveryPageWithItsLinksAndTheProgramsMenuPaths() {
        const QStringList english = Pages(QStringLiteral(":/help"));
        QCOMPARE(english.size(), 9);
        for (const QString& language : QStringList{QString()} + kLanguages) {
            const UiLanguage ui{QLocale(language.isEmpty() ? QStringLiteral("en") : language)};
            const QSet<QString> program = ProgramMenuPaths();
            const QString folder = QStringLiteral("/help/") + language;
            QCOMPARE(Pages(QLatin1Char(':') + folder), english);
            int links = 0;
            for (const QString& page : english) {
                const QUrl url(QStringLiteral("qrc:") + folder + QLatin1Char('/') + page);
                const QString html = Read(QLatin1Char(':') + url.path());
                const QString original = Read(QStringLiteral(":/help/") + page);
                const QString where = url.toString() + QStringLiteral(": ");
                // The same links in the same order; the style sheet is the English one's.
                const QStringList expected = Links(original).replaceInStrings(
                    QStringLiteral("style.css"), language.isEmpty()
                                                     ? QStringLiteral("style.css")
                                                     : QStringLiteral("../style.css"));
                QCOMPARE(Links(html), expected);
                for (const QString& link : Links(html)) {
                    const QUrl target = url.resolved(QUrl(link));
                    QVERIFY2(target.scheme() == QLatin1String("qrc") &&
                                 QFile::exists(QLatin1Char(':') + target.path()),
                             qPrintable(where + link));
                    ++links;
                }
                const QString title = QStringLiteral("<title>([^<]*)</title>");
                QVERIFY2(language.isEmpty() || Captures(html, title) != Captures(original, title),
                         qPrintable(where + QStringLiteral("title not translated")));
                QCOMPARE(MenuPaths(html).size(), MenuPaths(original).size());
                for (const QString& path : MenuPaths(html))
                    QVERIFY2(program.contains(path), qPrintable(where + path));
            }
            QVERIFY(links >= 9 * 3); // contents twice and the style sheet on every page
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
            {QLocale(QLocale::English), QStringLiteral("qrc:/help/index.html")},
            {QLocale(QLocale::Italian), QStringLiteral("qrc:/help/index.html")},
            {QLocale::c(), QStringLiteral("qrc:/help/index.html")},
        };
        for (const auto& c : cases) {
            const UiLanguage ui{c.locale};
            QVERIFY(StartApp());
            frame().executeCommand(ID_HELP);
            QTextBrowser* help = m_app->helpWindow();
            QVERIFY(help && help->isVisible());
            QCOMPARE(help->source(), QUrl(c.page));
            // The page is shown: its title is the window's, in the same language.
            QCOMPARE(help->documentTitle(), help->windowTitle());
            CloseApp();
        }
    }
};

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
