#include "form2.h"

#include "foundation/fileproblem.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "foundation/tempfolder.h"
#include "results/colourdialog.h"
#include "results/pageview.h"
#include "results/printing.h"
#include "results/textfiles.h"
#include "search/highlight.h"
#include "search/resultfile.h"
#include "uikit/filedialog.h"
#include "uikit/help.h"
#include "uikit/messagebox.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using tirta::ui::MessageBox;

namespace {

/// The file types of "Buka File Teks" and "Simpan Teks ke File".
QString textFileFilter()
{
    return u"Text (*.txt);;Rich Text File (*.rtf)"_s;
}

/// A menu caption shows "&" only when it is doubled.
QString menuText(QString text)
{
    return text.replace(u'&', u"&&"_s);
}

void say(QWidget* owner, const QString& text)
{
    MessageBox::show(owner, text, QMessageBox::Ok, QMessageBox::NoIcon);
}

} // namespace

Form2::Form2(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form2"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kResults);
    buildUi();
    createActions();
    connectSignals();
    Form_Load();
}

void Form2::buildUi()
{
    auto button = [this](const char* name, const QString& caption) {
        auto* control = new QPushButton(caption, this);
        control->setObjectName(QString::fromLatin1(name));
        control->setAutoDefault(false);
        return control;
    };

    m_ui.SSTab1 = new QTabBar(this);
    m_ui.SSTab1->setObjectName(u"SSTab1"_s);
    m_ui.SSTab1->addTab(tr("Hasil Pencarian"));
    m_ui.SSTab1->addTab(tr("ClipBook"));
    m_ui.SSTab1->addTab(tr("Daftar Hasil"));
    m_ui.SSTab1->setExpanding(false);

    m_ui.Picture2 = new QLabel(this);
    m_ui.Picture2->setObjectName(u"Picture2"_s);

    // The text tools.
    m_ui.Frame1 = new QFrame(this);
    m_ui.Frame1->setObjectName(u"Frame1"_s);
    m_ui.Command1 = button("Command1", tr("Buka File Teks"));
    m_ui.Command2 = button("Command2", tr("Simpan Teks ke File"));
    m_ui.Command3 = button("Command3", tr("Cetak Teks"));
    m_ui.Command4 = button("Command4", tr("Hilangkan highlight warna"));
    m_ui.Text1 = new QLineEdit(this);
    m_ui.Text1->setObjectName(u"Text1"_s);
    m_ui.Text1->setPlaceholderText(tr("Kata yang di-highlight"));
    m_ui.Check1 = new QCheckBox(tr("Kata Tepat"), this);
    m_ui.Check1->setObjectName(u"Check1"_s);
    m_ui.Command8 = button("Command8", tr("Highlight"));
    m_ui.PicClr = new QToolButton(this);
    m_ui.PicClr->setObjectName(u"PicClr"_s);
    m_ui.PicClr->setToolTip(tr("Warna highlight"));
    m_ui.PicClr->setFixedSize(24, 24);
    auto* files = new QHBoxLayout;
    files->addWidget(m_ui.Command1);
    files->addWidget(m_ui.Command2);
    files->addWidget(m_ui.Command3);
    files->addWidget(m_ui.Command4);
    files->addStretch();
    auto* marking = new QHBoxLayout;
    marking->addWidget(m_ui.Text1, 1);
    marking->addWidget(m_ui.Check1);
    marking->addWidget(m_ui.Command8);
    marking->addWidget(m_ui.PicClr);
    auto* tools = new QVBoxLayout(m_ui.Frame1);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->addLayout(files);
    tools->addLayout(marking);

    // The two text views and the list share one place; a view not in front keeps its text and
    // selection.
    auto view = [this](const char* name) {
        auto* text = new tirta::results::PageView(this);
        text->setObjectName(QString::fromLatin1(name));
        return text;
    };
    m_ui.rt1 = view("rt1");
    m_ui.rt2 = view("rt2");

    m_ui.Frame2 = new QFrame(this);
    m_ui.Frame2->setObjectName(u"Frame2"_s);
    m_ui.lblHeader = new QLabel(tr("Daftar Hasil Pencarian"), this);
    m_ui.lblHeader->setObjectName(u"lblHeader"_s);
    QFont heading = m_ui.lblHeader->font();
    heading.setBold(true);
    m_ui.lblHeader->setFont(heading);
    m_ui.List1 = new QListWidget(this);
    m_ui.List1->setObjectName(u"List1"_s);
    m_ui.List1->setContextMenuPolicy(Qt::CustomContextMenu);
    m_ui.Label1 = new QLabel(tr("Keterangan"), this);
    m_ui.Label1->setObjectName(u"Label1"_s);
    m_ui.lblKeterangan = new QLabel(this);
    m_ui.lblKeterangan->setObjectName(u"lblKeterangan"_s);
    m_ui.lblKeterangan->setWordWrap(true);
    m_ui.lblKeterangan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.lblKeterangan->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ui.lblKeterangan->setFrameShape(QFrame::StyledPanel);
    m_ui.lblKeterangan->setMinimumHeight(m_ui.lblKeterangan->fontMetrics().lineSpacing() * 5);
    m_ui.cmdShow = button("cmdShow", tr("Lihat"));
    m_ui.cmdClear = button("cmdClear", tr("Hapus Daftar"));
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_ui.cmdShow);
    listButtons->addWidget(m_ui.cmdClear);
    listButtons->addStretch();
    auto* list = new QVBoxLayout(m_ui.Frame2);
    list->setContentsMargins(0, 0, 0, 0);
    list->addWidget(m_ui.lblHeader);
    list->addWidget(m_ui.List1, 1);
    list->addWidget(m_ui.Label1);
    list->addWidget(m_ui.lblKeterangan);
    list->addLayout(listButtons);

    m_ui.pages = new QStackedWidget(this);
    m_ui.pages->setObjectName(u"pages"_s);
    m_ui.pages->addWidget(m_ui.rt1);
    m_ui.pages->addWidget(m_ui.rt2);
    m_ui.pages->addWidget(m_ui.Frame2);

    auto* top = new QHBoxLayout;
    top->addWidget(m_ui.Picture2, 0, Qt::AlignTop);
    top->addWidget(m_ui.Frame1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ui.SSTab1);
    layout->addLayout(top);
    layout->addWidget(m_ui.pages, 1);
}

void Form2::createActions()
{
    m_menus.menuTemp = new QMenu(tr("Temp Files"), this);
    m_menus.menuTemp->setObjectName(u"menuTemp"_s);
    m_menus.menuTempHapus = m_menus.menuTemp->addAction(QString());
    m_menus.menuTempHapus->setObjectName(u"menuTempHapus"_s);
    m_menus.menuTempHapusSemua = m_menus.menuTemp->addAction(tr("Hapus Daftar"));
    m_menus.menuTempHapusSemua->setObjectName(u"menuTempHapusSemua"_s);

    auto* escape = new QAction(this);
    escape->setObjectName(u"Esc"_s);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, &Form2::Esc_KeyPress);
}

void Form2::connectSignals()
{
    connect(m_ui.SSTab1, &QTabBar::currentChanged, this, &Form2::SSTab1_Click);
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(m_ui.Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(m_ui.Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(m_ui.Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(m_ui.Command8, &QPushButton::clicked, this, &Form2::Command8_Click);
    connect(m_ui.PicClr, &QToolButton::clicked, this, &Form2::PicClr_Click);
    connect(m_ui.List1, &QListWidget::itemSelectionChanged, this, &Form2::List1_Click);
    connect(m_ui.List1, &QListWidget::itemDoubleClicked, this, &Form2::cmdShow_Click);
    connect(m_ui.List1, &QListWidget::customContextMenuRequested, this, &Form2::List1_ContextMenu);
    connect(m_ui.cmdShow, &QPushButton::clicked, this, &Form2::cmdShow_Click);
    connect(m_ui.cmdClear, &QPushButton::clicked, this, &Form2::cmdClear_Click);
    connect(m_menus.menuTempHapus, &QAction::triggered, this, &Form2::menuTempHapus_Click);
    connect(m_menus.menuTempHapusSemua, &QAction::triggered, this, &Form2::cmdClear_Click);
}

void Form2::Form_Load()
{
    m_highlightColour = QColor(0, 0, 255);
    paintSwatch();
    m_ui.lblKeterangan->clear();
    const int size = tirta::ui::secondaryTextSize(tirta::ui::screenHeightOf(this));
    for (QWidget* widget : { static_cast<QWidget*>(m_ui.rt1), static_cast<QWidget*>(m_ui.rt2),
             static_cast<QWidget*>(m_ui.List1), static_cast<QWidget*>(m_ui.lblKeterangan) }) {
        QFont font = widget->font();
        font.setPointSize(size);
        widget->setFont(font);
    }
    resize(720, 540);
    // Where the user puts the window is kept once it has rested there a moment.
    m_placeTimer = new QTimer(this);
    m_placeTimer->setSingleShot(true);
    m_placeTimer->setInterval(400);
    connect(m_placeTimer, &QTimer::timeout, this, &Form2::rememberPlace);
    const QByteArray stored
        = QByteArray::fromBase64(m_reader.settings().read(tirta::setting::posHasil).toLatin1());
    m_placed = !stored.isEmpty() && restoreGeometry(stored);
    ApplyMode(kModeResults);
}

bool Form2::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form2::showEvent(QShowEvent* event)
{
    adoptReadingFont();
    QWidget::showEvent(event);
}

void Form2::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (isVisible())
        m_placeTimer->start();
}

void Form2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        m_placeTimer->start();
}

void Form2::rememberPlace()
{
    const QString place = QString::fromLatin1(saveGeometry().toBase64());
    tirta::SettingsStore& settings = m_reader.settings();
    if (settings.read(tirta::setting::posHasil) != place)
        settings.write(tirta::setting::posHasil, place);
}

void Form2::placeClearOfSearchBar()
{
    QWidget* main = m_reader.mainWindow();
    const QWidget* bar = main ? main->findChild<QWidget*>(u"picSearchBar"_s) : nullptr;
    if (!bar || !bar->isVisible())
        return;
    const QRect keep(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    const QRect screen = main->screen()->availableGeometry();
    // The frame is not known before the window is shown; the title bar is most of it.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    constexpr int kGap = 8;
    const int below = screen.bottom() - (keep.bottom() + kGap + titleBar);
    const int above = keep.top() - kGap - titleBar - screen.top();
    const int room = std::max(below, above);
    if (room < minimumSizeHint().height())
        return; // no room either way: the window system places it
    const int height = std::min(this->height(), room);
    const int left = std::clamp(
        main->frameGeometry().left(), screen.left(), std::max(screen.left(), screen.right() - width()));
    const int top = below >= above ? keep.bottom() + kGap + titleBar : keep.top() - kGap - height;
    setGeometry(left, top, width(), height);
}

void Form2::closeEvent(QCloseEvent* event)
{
    // The ClipBook and the list live until the program ends.
    event->ignore();
    hide();
}

void Form2::Form_Activate()
{
    adoptReadingFont();
    ApplyMode(m_mode);
}

void Form2::adoptReadingFont()
{
    const QString family = m_reader.readingFont().family();
    for (QWidget* widget : { static_cast<QWidget*>(m_ui.rt1), static_cast<QWidget*>(m_ui.rt2),
             static_cast<QWidget*>(m_ui.List1), static_cast<QWidget*>(m_ui.lblKeterangan) }) {
        if (widget->font().family() == family)
            continue;
        QFont font = widget->font();
        font.setFamily(family);
        widget->setFont(font);
    }
}

// ---- pages ------------------------------------------------------------------------------------

void Form2::ApplyMode(const QString& mode)
{
    m_mode = (mode == kModeClipBook || mode == kModeList) ? mode : kModeResults;
    const bool list = m_mode == kModeList;
    {
        const QSignalBlocker blocker(m_ui.SSTab1);
        m_ui.SSTab1->setCurrentIndex(m_mode == kModeResults ? 0 : (m_mode == kModeClipBook ? 1 : 2));
    }
    m_ui.Frame1->setVisible(!list);
    m_ui.Picture2->setVisible(!list);
    if (m_mode == kModeResults) {
        m_ui.pages->setCurrentWidget(m_ui.rt1);
        setWindowTitle(tr("Jendela Hasil Pencarian"));
        m_ui.Picture2->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32));
    } else if (m_mode == kModeClipBook) {
        m_ui.pages->setCurrentWidget(m_ui.rt2);
        setWindowTitle(tr("Jendela ClipBook"));
        m_ui.Picture2->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(32));
    } else {
        m_ui.pages->setCurrentWidget(m_ui.Frame2);
        setWindowTitle(tr("jendela Daftar Hasil"));
        m_ui.Picture2->clear();
    }
}

void Form2::ShowPage(const QString& mode)
{
    ApplyMode(mode);
    if (!m_placed && !isVisible()) {
        placeClearOfSearchBar();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void Form2::SSTab1_Click(int index)
{
    const QString caption = m_ui.SSTab1->tabText(index);
    setWindowTitle(caption);
    if (index == 1)
        ApplyMode(kModeClipBook);
    else if (index == 2)
        ApplyMode(kModeList);
    else
        ApplyMode(kModeResults);
}

tirta::results::PageView* Form2::modeView() const
{
    return m_mode == kModeResults ? m_ui.rt1 : m_ui.rt2;
}

// ---- the results and the ClipBook ---------------------------------------------------------------

bool Form2::loadResultFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        say(this,
            tr("Hasil pencarian tidak dapat dibaca dari file ") + path + u"\n\n"_s
                + tirta::readProblem(path));
        return false;
    }
    // Read, decoded and converted with as few copies as can be: a result may hold the whole Bible.
    m_ui.rt1->setPlainText(tirta::results::withNewlines(QString::fromUtf8(file.readAll())));
    return true;
}

bool Form2::ShowResultFile(const QString& path)
{
    if (!loadResultFile(path))
        return false;
    ShowPage(kModeResults);
    return true;
}

QString Form2::resultsText() const
{
    return m_ui.rt1->toPlainText();
}

void Form2::AppendToClipBook(const QString& text)
{
    // Appended text is plain: a colour marked at the end does not run on into it.
    m_ui.rt2->appendPlainText(tirta::fromCrLf(text));
}

QString Form2::clipBookText() const
{
    return m_ui.rt2->toPlainText();
}

// ---- the text tools -----------------------------------------------------------------------------

void Form2::Command1_Click()
{
    const QString name = tirta::ui::FileDialog::getOpenFileName(this, tr("Buka File"), {}, textFileFilter());
    if (name.isEmpty())
        return;
    const tirta::results::LoadedText loaded = tirta::results::readTextFile(name);
    if (!loaded.ok()) {
        QString why;
        switch (loaded.error) {
        case tirta::results::LoadError::Unreadable:
            why = tr("File ini tidak dapat dibaca.") + u' ' + tirta::readProblem(name);
            break;
        case tirta::results::LoadError::TooLarge:
            why = tr("File ini terlalu besar untuk dibuka.");
            break;
        case tirta::results::LoadError::NotText:
            why = tr("File ini bukan file teks.");
            break;
        case tirta::results::LoadError::NotRtf:
            why = tr("File ini bukan file Rich Text (RTF).");
            break;
        case tirta::results::LoadError::DamagedRtf:
        case tirta::results::LoadError::None:
            why = tr("File Rich Text ini rusak atau tidak lengkap.");
            break;
        }
        MessageBox::warning(this, name + u"\n\n"_s + why + u"\n\n"_s + tr("Teks yang tampil tidak diubah."));
        return;
    }
    tirta::results::PageView* view = modeView();
    if (loaded.format == tirta::results::TextFormat::Plain)
        view->setPlainText(loaded.runs.empty() ? QString() : loaded.runs.front().text);
    else
        view->setRuns(loaded.runs);
}

void Form2::Command2_Click()
{
    QString filter;
    QString name
        = tirta::ui::FileDialog::getSaveFileName(this, tr("Simpan file"), {}, textFileFilter(), &filter);
    if (name.isEmpty())
        return;
    // A name typed without an extension takes the one of the chosen file type.
    if (QFileInfo(name).suffix().isEmpty()) {
        if (filter.contains(u"*.rtf"_s))
            name += u".rtf"_s;
        else if (filter.contains(u"*.txt"_s))
            name += u".txt"_s;
    }
    const tirta::results::PageView* view = modeView();
    tirta::rtf::WriteOptions options;
    options.fontName = view->font().family();
    if (view->font().pointSize() > 0)
        options.fontSize = view->font().pointSize();
    // A result of thousands of verses takes a while to encode and write; that happens beside the
    // window, on a copy of the text, while the window goes on answering.
    const tirta::results::PageText text = view->page();
    const tirta::results::TextFormat format = tirta::results::formatForFileName(name);
    bool written = false;
    QString reason;
    std::unique_ptr<QThread> worker(QThread::create([&text, &written, &reason, &name, format, options] {
        written = tirta::writeFileWhole(name, tirta::results::encodePage(text, format, options), &reason);
    }));
    const QPointer<Form2> self(this);
    m_ui.Command2->setEnabled(false);
    {
        const tirta::ui::BusyCursor busy;
        QEventLoop loop;
        connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
        worker->start();
        loop.exec();
    }
    worker->wait();
    if (!self)
        return;
    m_ui.Command2->setEnabled(true);
    if (!written)
        MessageBox::warning(this,
            tr("Teks tidak dapat disimpan ke file ") + name + u"\n\n"_s + tirta::writeProblem(name, reason));
}

int Form2::printView(QPrinter& printer)
{
    // A copy: the text may change while the pages go out and the window answers between them.
    const tirta::results::PageText text = modeView()->page();
    const QFont font = modeView()->font();
    const QPointer<Form2> self(this);
    m_ui.Command3->setEnabled(false);
    const int pages
        = tirta::results::printText(text, font, printer, [] { QCoreApplication::processEvents(); });
    if (self)
        m_ui.Command3->setEnabled(true);
    return pages;
}

void Form2::Command3_Click()
{
    const QString what
        = m_mode == kModeResults ? tr(" teks di Window hasil pencarian ") : tr(" teks di ClipBook ");
    if (MessageBox::show(
            this, tr("Cetak") + what + u'?', QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question)
        != QMessageBox::Ok)
        return;
    int pages = -1;
    // The window answers between pages and may be gone when the printing ends.
    const QPointer<Form2> self(this);
    {
        const tirta::ui::BusyCursor busy;
        QPrinter printer(QPrinter::HighResolution);
        if (!m_printerOutputFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_printerOutputFile);
        }
        pages = printView(printer);
    }
    if (self && pages < 0)
        MessageBox::warning(this, tr("Teks tidak dapat dicetak. Periksa apakah printer sudah terpasang."));
}

void Form2::Command4_Click()
{
    if (m_mode == kModeList)
        return;
    tirta::results::PageView* view = modeView();
    view->clearLooks();
    view->setFocus();
    view->setSelection(view->position(), view->position());
}

void Form2::Command8_Click()
{
    if (m_ui.Text1->text().isEmpty())
        return;
    if (m_ui.Command8->text() != tr("Highlight")) {
        // A highlight is running: this press is its stop button.
        m_ui.Command8->setText(tr("Highlight"));
        m_escStop = true;
        return;
    }
    m_ui.Command8->setText(tr("Stop"));
    m_escStop = false;
    const auto stopRequested = [this] {
        if (!m_escStop)
            return false;
        m_escStop = false;
        return true;
    };
    // The marking lets the event loop run; the window may be gone when it returns.
    const QPointer<Form2> self(this);
    tirta::search::HighlightWord(
        *modeView(), m_ui.Text1->text(), m_ui.Check1->isChecked(), stopRequested, m_highlightColour);
    if (self)
        m_ui.Command8->setText(tr("Highlight"));
}

void Form2::Esc_KeyPress()
{
    m_escStop = true;
}

void Form2::PicClr_Click()
{
    const QColor colour = tirta::results::ColourDialog::getColour(this, m_highlightColour);
    if (!colour.isValid())
        return;
    m_highlightColour = colour;
    paintSwatch();
}

void Form2::paintSwatch()
{
    m_ui.PicClr->setStyleSheet(
        u"QToolButton { background-color: %1; border: 1px solid palette(dark); }"_s.arg(
            m_highlightColour.name()));
}

// ---- the result list ----------------------------------------------------------------------------

void Form2::AddToResultList(const tirta::search::ResultEntry& entry, bool optimal)
{
    if (!optimal)
        return;
    // Two entries of one file would delete it under each other.
    for (const tirta::search::ResultEntry& listed : m_results.entries())
        if (listed.path == entry.path)
            return;
    m_results.AddToResultList(entry, optimal);
    m_ui.List1->addItem(entry.label);
}

int Form2::selectedEntry() const
{
    // The row the keyboard is on (a list that takes the focus gets one) counts only when chosen.
    const QList<QListWidgetItem*> chosen = m_ui.List1->selectedItems();
    const int index = chosen.isEmpty() ? -1 : m_ui.List1->row(chosen.first());
    return index < m_results.size() ? index : -1;
}

void Form2::showSummary()
{
    const int index = selectedEntry();
    if (index < 0)
        m_ui.lblKeterangan->clear();
    else
        m_ui.lblKeterangan->setText(tirta::fromCrLf(m_results.at(index).summary));
}

void Form2::List1_Click()
{
    showSummary();
}

void Form2::List1_ContextMenu(const QPoint& position)
{
    if (m_ui.List1->count() == 0)
        return;
    const int index = selectedEntry();
    const bool selected = index >= 0;
    m_menus.menuTempHapus->setText(
        selected ? menuText(tirta::search::ResultList::deleteItemCaption(m_results.at(index))) : tr("Hapus"));
    m_menus.menuTempHapus->setEnabled(selected);
    m_menus.menuTemp->popup(m_ui.List1->viewport()->mapToGlobal(position));
}

void Form2::menuTempHapus_Click()
{
    const int index = selectedEntry();
    if (index < 0)
        return;
    m_ui.lblKeterangan->clear();
    m_results.removeAt(index);
    delete m_ui.List1->takeItem(index);
    // The entry next in line is not chosen by the deletion; the summary stays empty until one is.
    m_ui.List1->clearSelection();
    showSummary();
}

void Form2::cmdShow_Click()
{
    const int index = selectedEntry();
    if (index < 0)
        return;
    if (!loadResultFile(m_results.at(index).path))
        return;
    ApplyMode(kModeResults);
}

void Form2::cmdClear_Click()
{
    if (MessageBox::show(
            this, tr("Hapus daftar pencarian ?"), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon)
        != QMessageBox::Ok)
        return;
    m_results.clear();
    m_ui.List1->clear();
    m_ui.lblKeterangan->clear();
}

int Form2::DeleteResultFiles(const QString& folder)
{
    const int deleted = tirta::search::DeleteResultFiles(folder.isEmpty() ? tirta::TempFolder() : folder);
    for (int index = m_results.size() - 1; index >= 0; --index) {
        if (QFileInfo::exists(m_results.at(index).path))
            continue;
        m_results.removeAt(index); // the file is gone; this only drops the entry
        delete m_ui.List1->takeItem(index);
    }
    showSummary();
    return deleted;
}
