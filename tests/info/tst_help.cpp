#include "info/handbook.h"
#include "info/helpfile.h"
#include "info/helpwindow.h"
#include "info/install.h"
#include "results/form2.h"
#include "support/readerharness.h"
#include "support/testenv.h"
#include "uikit/help.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <set>

using namespace Qt::StringLiterals;
using tirta::info::Handbook;
namespace page = tirta::ui::help::page;

namespace {

/// Stands in for the desktop's handler of local files.
class DesktopHandler : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void openUrl(const QUrl& url) { opened << url; }
};

/// The anchor names a page defines and the links it holds, as the help window reads them.
struct PageLinks
{
    std::set<QString> anchors;
    QStringList links;
};

PageLinks linksOf(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    PageLinks result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                result.anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                result.links << format.anchorHref();
        }
    }
    return result;
}

} // namespace

class HelpTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpFileIsLookedForBesideTheDataThenTheProgram()
    {
        QTemporaryDir data;
        QTemporaryDir program;
        QVERIFY(!tirta::info::findHelpFile(data.path(), program.path()));
        QVERIFY(QFile(program.filePath(u"ty200.chm"_s)).open(QIODevice::WriteOnly));
        QCOMPARE(tirta::info::findHelpFile(data.path(), program.path()).value_or(QString()),
            program.filePath(u"ty200.chm"_s));
        QVERIFY(QFile(data.filePath(u"ty200.chm"_s)).open(QIODevice::WriteOnly));
        QCOMPARE(tirta::info::findHelpFile(data.path(), program.path()).value_or(QString()),
            data.filePath(u"ty200.chm"_s));
    }

    void everyPageIsInTheContentsAndNoLinkIsBroken()
    {
        const Handbook handbook;
        std::set<QString> inContents;
        for (const Handbook::Entry& entry : handbook.contents()) {
            QVERIFY2(handbook.hasPage(entry.page), qPrintable(entry.page));
            QVERIFY2(entry.title != entry.page, qPrintable(entry.page + u" has no title"_s));
            QVERIFY2(inContents.insert(entry.page).second, qPrintable(entry.page + u" listed twice"_s));
        }
        const QStringList files = QDir(Handbook::folder()).entryList({ u"*.html"_s });
        QVERIFY(files.size() > 20);
        QCOMPARE(inContents.size(), static_cast<size_t>(files.size()));

        std::map<QString, PageLinks> pages;
        for (const QString& file : files)
            pages[file.chopped(5)] = linksOf(handbook.html(file.chopped(5)));
        for (const auto& [name, links] : pages) {
            QVERIFY2(inContents.count(name), qPrintable(name + u" is not in the contents"_s));
            for (const QString& link : links.links) {
                const QUrl url(link);
                const QString where = name + u": "_s + link;
                QVERIFY2(url.scheme().isEmpty() && url.isRelative(), qPrintable(where));
                const QString target = url.path().isEmpty() ? name : url.path().chopped(5);
                QVERIFY2(url.path().isEmpty() || url.path().endsWith(u".html"_s), qPrintable(where));
                QVERIFY2(pages.count(target), qPrintable(where));
                if (url.hasFragment())
                    QVERIFY2(pages[target].anchors.count(url.fragment()), qPrintable(where));
            }
        }
        // The pages the windows name for F1 exist.
        for (const QStringView named : page::kAll)
            QVERIFY2(pages.count(named.toString()), qPrintable(named.toString()));
    }

    void searchFindsThePagesHoldingEveryWord()
    {
        const Handbook handbook;
        const auto hits = handbook.search(u"  kata   TEPAT "_s);
        QVERIFY(!hits.empty());
        std::set<QString> found;
        for (const auto& hit : hits) {
            found.insert(hit.page);
            QVERIFY(hit.count >= hits.back().count);
        }
        QVERIFY(found.count(u"bahasa-pencarian"_s));
        QVERIFY(found.count(u"pencarian"_s));
        QVERIFY(!found.count(u"peta"_s));
        QVERIFY(handbook.search(u"kata tepat zzqx"_s).empty());
        QVERIFY(handbook.search(u"   "_s).empty());
    }

    void f1OpensThePageOfTheWindowItIsPressedIn()
    {
        tirta::test::ReaderHarness harness;
        auto form = harness.open();
        QVERIFY(form);
        tirta::info::installHelp(*form);

        // A help file beside the program opens with the desktop instead.
        const QString helpFile = QDir(harness.programFolder()).filePath(u"ty200.chm"_s);
        QVERIFY(QFile(helpFile).open(QIODevice::WriteOnly));
        DesktopHandler desktop;
        QDesktopServices::setUrlHandler(u"file"_s, &desktop, "openUrl");
        QTest::keyClick(form.get(), Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(u"file"_s);
        QCOMPARE(desktop.opened.size(), 1);
        QCOMPARE(desktop.opened[0].toLocalFile(), helpFile);
        QVERIFY(!form->findChild<HelpWindow*>());
        QVERIFY(QFile::remove(helpFile));

        QTest::keyClick(tirta::ui::named<QTextEdit>(form.get(), "rtf1"), Qt::Key_F1);
        HelpWindow* help = form->findChild<HelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->currentPage(), page::kMainWindow.toString());
        // The contents follow the page shown.
        const QTreeWidgetItem* current = tirta::ui::named<QTreeWidget>(help, "contents")->currentItem();
        QVERIFY(current);
        QCOMPARE(current->data(0, Qt::UserRole).toString(), page::kMainWindow.toString());

        Form2& results = form->results();
        results.ShowPage(Form2::kModeResults);
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        QTest::keyClick(&results, Qt::Key_F1);
        QCOMPARE(help->currentPage(), page::kResults.toString());

        form->featureAction(tirta::ui::Feature::Help)->trigger();
        QCOMPARE(help->currentPage(), page::kStart.toString());

        // The search's syntax message offers the query-language page.
        tirta::ui::named<QLineEdit>(form.get(), "Text1")->setText(u"+kasih"_s);
        tirta::ui::MessageBox::setNextAnswer(QMessageBox::Help);
        QTest::mouseClick(tirta::ui::named<QPushButton>(form.get(), "Command4"), Qt::LeftButton);
        QCOMPARE(tirta::ui::MessageBox::lastText(), u"Lihat panduan untuk penggunaan syntax pencarian"_s);
        QCOMPARE(help->currentPage(), page::kQueryLanguage.toString());
    }
};

TIRTA_TEST_MAIN(HelpTest)
#include "tst_help.moc"
