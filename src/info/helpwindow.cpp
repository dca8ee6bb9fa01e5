#include "helpwindow.h"

#include "uikit/help.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using tirta::info::Handbook;

namespace {

constexpr int kPageRole = Qt::UserRole;

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(u"HelpWindow"_s);
    setWindowTitle(tr("Panduan Program"));
    tirta::ui::help::setPage(this, tirta::ui::help::page::kStart);
    buildUi();
    connectSignals();
    fillContents();
}

void HelpWindow::buildUi()
{
    auto tool = [this](const char* name, const QString& caption, QStyle::StandardPixmap icon,
                    const QKeySequence& key) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setShortcut(key);
        button->setAutoRaise(true);
        return button;
    };
    m_ui.backButton = tool("backButton", tr("Kembali"), QStyle::SP_ArrowBack, QKeySequence::Back);
    m_ui.forwardButton = tool("forwardButton", tr("Maju"), QStyle::SP_ArrowForward, QKeySequence::Forward);
    m_ui.homeButton = tool("homeButton", tr("Halaman Awal"), QStyle::SP_DirHomeIcon, QKeySequence());
    m_ui.backButton->setEnabled(false);
    m_ui.forwardButton->setEnabled(false);

    m_ui.contents = new QTreeWidget(this);
    m_ui.contents->setObjectName(u"contents"_s);
    m_ui.contents->setHeaderHidden(true);
    m_ui.contents->setColumnCount(1);

    auto* searchPage = new QWidget(this);
    m_ui.searchText = new QLineEdit(searchPage);
    m_ui.searchText->setObjectName(u"searchText"_s);
    m_ui.searchText->setPlaceholderText(tr("Kata yang dicari"));
    m_ui.searchText->setClearButtonEnabled(true);
    m_ui.searchButton = new QPushButton(tr("Cari"), searchPage);
    m_ui.searchButton->setObjectName(u"searchButton"_s);
    m_ui.searchStatus = new QLabel(searchPage);
    m_ui.searchStatus->setObjectName(u"searchStatus"_s);
    m_ui.searchStatus->setWordWrap(true);
    m_ui.searchResults = new QListWidget(searchPage);
    m_ui.searchResults->setObjectName(u"searchResults"_s);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_ui.searchText, 1);
    searchRow->addWidget(m_ui.searchButton);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(m_ui.searchStatus);
    searchLayout->addWidget(m_ui.searchResults, 1);

    m_ui.tabs = new QTabWidget(this);
    m_ui.tabs->setObjectName(u"tabs"_s);
    m_ui.tabs->addTab(m_ui.contents, tr("Daftar Isi"));
    m_ui.tabs->addTab(searchPage, tr("Cari"));

    m_ui.browser = new QTextBrowser(this);
    m_ui.browser->setObjectName(u"browser"_s);
    m_ui.browser->setOpenExternalLinks(true);
    m_ui.browser->setSearchPaths({ Handbook::folder() });

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_ui.tabs);
    splitter->addWidget(m_ui.browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_ui.backButton);
    bar->addWidget(m_ui.forwardButton);
    bar->addWidget(m_ui.homeButton);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    // As large as a comfortable page, never larger than the screen allows.
    const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry()
                                                       : QRect(0, 0, 1024, 768);
    resize(std::min(960, screen.width() * 9 / 10), std::min(700, screen.height() * 9 / 10));
    move(screen.center() - rect().center());
    splitter->setSizes({ width() * 3 / 10, width() * 7 / 10 });
}

void HelpWindow::connectSignals()
{
    connect(m_ui.backButton, &QToolButton::clicked, m_ui.browser, &QTextBrowser::backward);
    connect(m_ui.forwardButton, &QToolButton::clicked, m_ui.browser, &QTextBrowser::forward);
    connect(m_ui.homeButton, &QToolButton::clicked, this,
        [this] { showPage(tirta::ui::help::page::kStart.toString()); });
    connect(m_ui.browser, &QTextBrowser::backwardAvailable, m_ui.backButton, &QToolButton::setEnabled);
    connect(m_ui.browser, &QTextBrowser::forwardAvailable, m_ui.forwardButton, &QToolButton::setEnabled);
    connect(m_ui.browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);
    connect(m_ui.contents, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem* item) { showPage(item->data(0, kPageRole).toString()); });
    connect(m_ui.contents, &QTreeWidget::itemActivated, this,
        [this](QTreeWidgetItem* item) { showPage(item->data(0, kPageRole).toString()); });
    connect(m_ui.searchButton, &QPushButton::clicked, this, &HelpWindow::runSearch);
    connect(m_ui.searchText, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(m_ui.searchText, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().isEmpty()) {
            m_searchWords.clear();
            markSearchWords(false);
        }
    });
    const auto openHit = [this](QListWidgetItem* item) {
        showPage(item->data(kPageRole).toString());
        markSearchWords(true);
    };
    connect(m_ui.searchResults, &QListWidget::itemClicked, this, openHit);
    connect(m_ui.searchResults, &QListWidget::itemActivated, this, openHit);
}

void HelpWindow::fillContents()
{
    std::vector<QTreeWidgetItem*> parents;
    for (const Handbook::Entry& entry : m_handbook.contents()) {
        const auto level = static_cast<size_t>(std::max(0, entry.level));
        parents.resize(std::min(parents.size(), level));
        auto* item
            = parents.empty() ? new QTreeWidgetItem(m_ui.contents) : new QTreeWidgetItem(parents.back());
        item->setText(0, entry.title);
        item->setData(0, kPageRole, entry.page);
        parents.push_back(item);
    }
    m_ui.contents->expandAll();
}

void HelpWindow::showPage(const QString& page)
{
    const QString file = page.section(u'#', 0, 0);
    const QUrl url
        = Handbook::urlOf(m_handbook.hasPage(file) ? page : tirta::ui::help::page::kStart.toString());
    if (url.adjusted(QUrl::RemoveFragment) == m_ui.browser->source().adjusted(QUrl::RemoveFragment)
        && url.hasFragment())
        m_ui.browser->scrollToAnchor(url.fragment());
    else
        m_ui.browser->setSource(url);
}

QString HelpWindow::currentPage() const
{
    return Handbook::pageOf(m_ui.browser->source());
}

void HelpWindow::pageShown(const QUrl& url)
{
    // The browser announces the new address before its history holds it.
    const QString page = Handbook::pageOf(url);
    setWindowTitle(tr("Panduan Program") + u" - "_s + m_handbook.title(page));
    // The contents follow the page, wherever it was reached from.
    for (QTreeWidgetItemIterator it(m_ui.contents); *it; ++it) {
        if ((*it)->data(0, kPageRole).toString() == page) {
            m_ui.contents->setCurrentItem(*it);
            break;
        }
    }
    markSearchWords(false);
}

void HelpWindow::runSearch()
{
    m_searchWords = m_ui.searchText->text().simplified().split(u' ', Qt::SkipEmptyParts);
    m_ui.searchResults->clear();
    const std::vector<Handbook::Hit> hits = m_handbook.search(m_ui.searchText->text());
    for (const Handbook::Hit& hit : hits) {
        auto* item = new QListWidgetItem(hit.title, m_ui.searchResults);
        item->setData(kPageRole, hit.page);
    }
    if (m_searchWords.isEmpty())
        m_ui.searchStatus->clear();
    else if (hits.empty())
        m_ui.searchStatus->setText(tr("Tidak ada halaman yang memuat kata itu."));
    else
        m_ui.searchStatus->setText(tr("Ditemukan di %n halaman.", nullptr, static_cast<int>(hits.size())));
    markSearchWords(false);
}

void HelpWindow::markSearchWords(bool showFirst)
{
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat format;
    format.setBackground(QColor(255, 236, 139));
    QTextDocument* document = m_ui.browser->document();
    for (const QString& word : std::as_const(m_searchWords)) {
        for (QTextCursor found = document->find(word); !found.isNull(); found = document->find(word, found))
            marks.append({ found, format });
    }
    m_ui.browser->setExtraSelections(marks);
    if (showFirst && !marks.isEmpty())
        m_ui.browser->setTextCursor(QTextCursor(marks.first().cursor.block()));
}
