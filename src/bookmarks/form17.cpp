#include "form17.h"

#include "foundation/books.h"
#include "foundation/reference.h"
#include "uikit/help.h"
#include "uikit/messagebox.h"
#include "uikit/reader.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using tirta::bookmarks::FileError;
using tirta::ui::MessageBox;

namespace {

const QString kPrompt = u"[isi dengan keterangan]"_s;
const QString kSave = u"Simpan"_s;
const QString kUpdate = u"Update"_s;
/// The window's size in pixels, and how far below the screen's centre it opens.
constexpr QSize kWindowSize { 257, 347 };
constexpr int kBelowCentre = 30;

} // namespace

Form17::Form17(tirta::ui::Reader& reader, tirta::bookmarks::BookmarkFile file)
    : QWidget(reader.mainWindow(),
        Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_reader(reader)
    , m_file(std::move(file))
{
    setObjectName(u"Form17"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kBookmarks);
    setWindowTitle(tr("Bookmark"));
    buildUi();
    createActions();
    connectSignals();
    Form_Load();
}

void Form17::buildUi()
{
    m_ui.Label1 = new QLabel(tr("Bookmark"), this);
    m_ui.Label1->setObjectName(u"Label1"_s);
    QFont heading = m_ui.Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    m_ui.Label1->setFont(heading);

    for (int i = 0; i < 3; ++i) {
        m_ui.List[i] = new QListWidget(this);
        m_ui.List[i]->setObjectName(u"List_"_s + QString::number(i));
    }
    // Only the notes are seen; the version tags and positions keep step with them, out of sight.
    m_ui.List[1]->hide();
    m_ui.List[2]->hide();
    m_ui.List[0]->viewport()->setMouseTracking(true);

    m_ui.Text1 = new QLineEdit(this);
    m_ui.Text1->setObjectName(u"Text1"_s);
    m_ui.Text1->setReadOnly(true);
    m_ui.Command1 = new QPushButton(this);
    m_ui.Command1->setObjectName(u"Command1"_s);
    m_ui.Command1->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_ui.Command1->setToolTip(tr("Buka ayat bookmark ini"));
    m_ui.Command1->setEnabled(false);

    m_ui.Label2 = new QLabel(this);
    m_ui.Label2->setObjectName(u"Label2"_s);
    m_ui.lblVersiKitab = new QLabel(this);
    m_ui.lblVersiKitab->setObjectName(u"lblVersiKitab"_s);
    m_ui.lblVersiKitab->hide();
    m_ui.Text2 = new QPlainTextEdit(kPrompt, this);
    m_ui.Text2->setObjectName(u"Text2"_s);
    m_ui.Text2->setTabChangesFocus(true);
    m_ui.Text2->setFixedHeight(m_ui.Text2->fontMetrics().lineSpacing() * 3 + 12);

    m_ui.Command3 = new QPushButton(kSave, this);
    m_ui.Command3->setObjectName(u"Command3"_s);
    m_ui.Command2 = new QPushButton(tr("Tutup"), this);
    m_ui.Command2->setObjectName(u"Command2"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(m_ui.Label1);
    layout->addWidget(m_ui.List[0], 1);
    auto* stored = new QHBoxLayout;
    stored->addWidget(m_ui.Text1, 1);
    stored->addWidget(m_ui.Command1);
    layout->addLayout(stored);
    layout->addWidget(m_ui.Label2);
    layout->addWidget(m_ui.Text2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_ui.Command3);
    buttons->addStretch();
    buttons->addWidget(m_ui.Command2);
    layout->addLayout(buttons);
    setFixedSize(kWindowSize);
}

void Form17::createActions()
{
    auto& m = m_menus;
    m.MenuHapus = new QMenu(tr("Hapus"), this);
    m.MenuHapus->setObjectName(u"MenuHapus"_s);
    const auto item = [&m](const char* name, const QString& caption) {
        QAction* action = m.MenuHapus->addAction(caption);
        action->setObjectName(QLatin1StringView(name));
        return action;
    };
    m.MenuEditBookmark = item("MenuEditBookmark", tr("Edit Keterangan Bookmark"));
    m.MenuHapusBookmark = item("MenuHapusBookmark", tr("Hapus Bookmark"));
    m.MenuHapusDaftar = item("MenuHapusDaftar", tr("Hapus Daftar Bookmark"));
}

void Form17::connectSignals()
{
    QListWidget* notes = m_ui.List[0];
    connect(notes, &QListWidget::itemClicked, this, &Form17::List_Click);
    connect(notes, &QListWidget::currentRowChanged, this, [this] {
        if (!m_quiet)
            List_Click();
    });
    connect(notes, &QListWidget::itemDoubleClicked, this, &Form17::Command1_Click);
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form17::Command1_Click);
    connect(m_ui.Command2, &QPushButton::clicked, this, &Form17::Command2_Click);
    connect(m_ui.Command3, &QPushButton::clicked, this, &Form17::Command3_Click);
    connect(m_menus.MenuEditBookmark, &QAction::triggered, this, &Form17::MenuEditBookmark_Click);
    connect(m_menus.MenuHapusBookmark, &QAction::triggered, this, &Form17::MenuHapusBookmark_Click);
    connect(m_menus.MenuHapusDaftar, &QAction::triggered, this, &Form17::MenuHapusDaftar_Click);
    notes->viewport()->installEventFilter(this);
    m_ui.Text2->installEventFilter(this);
}

void Form17::Form_Load()
{
    RetrieveBookmarks();
}

void Form17::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        // Centred across the screen, a little below its middle.
        m_placed = true;
        const QWidget* main = m_reader.mainWindow();
        const QScreen* screen = main && main->screen() ? main->screen() : this->screen();
        if (screen) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - kWindowSize.width()) / 2,
                area.y() + (area.height() - kWindowSize.height()) / 2 + kBelowCentre);
        }
    }
    Form_Activate();
    QWidget::showEvent(event);
}

void Form17::Form_Activate()
{
    m_ui.Command1->setEnabled(selectedRow() >= 0);
    const QString family = m_reader.readingFont().family();
    for (QWidget* control : { static_cast<QWidget*>(m_ui.List[0]), static_cast<QWidget*>(m_ui.Text2) }) {
        QFont font = control->font();
        font.setFamily(family);
        control->setFont(font);
    }
}

void Form17::closeEvent(QCloseEvent* event)
{
    // The window has no close button; a close from the window manager counts as "Tutup".
    event->ignore();
    Command2_Click();
}

void Form17::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Form17::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.List[0]->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                // The menu works on the bookmark already selected: the press does not select.
                showHapusMenu(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
                return true;
            }
            break;
        case QEvent::MouseMove: {
            const int row = selectedRow();
            m_ui.List[0]->setToolTip(row >= 0 ? m_ui.List[0]->item(row)->text() : QString());
            break;
        }
        case QEvent::ToolTip:
            // The note of the selected bookmark, not of the one under the pointer.
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), m_ui.List[0]->toolTip(),
                m_ui.List[0]->viewport());
            return true;
        default:
            break;
        }
    } else if (watched == m_ui.Text2 && event->type() == QEvent::FocusIn) {
        // Typing replaces the prompt.
        if (m_ui.Text2->toPlainText() == kPrompt)
            QTimer::singleShot(0, m_ui.Text2, &QPlainTextEdit::selectAll);
    }
    return QWidget::eventFilter(watched, event);
}

void Form17::RetrieveBookmarks()
{
    m_quiet = true;
    for (QListWidget* list : m_ui.List)
        list->clear();
    m_quiet = false;
    m_ui.Command1->setEnabled(false);
    m_ui.Text1->clear();

    if (const auto adopted = m_file.adoptLeftover(); !adopted.ok())
        MessageBox::warning(this, fileMessage(adopted));
    tirta::bookmarks::BookmarkLists lists;
    if (const auto loaded = m_file.load(lists); !loaded.ok())
        MessageBox::warning(this, fileMessage(loaded));
    m_ui.List[0]->addItems(lists.notes);
    m_ui.List[1]->addItems(lists.versionTags);
    m_ui.List[2]->addItems(lists.positions);
    selectQuietly(-1);
}

bool Form17::SaveBookmarks_to_File()
{
    const auto saved = m_file.save(bookmarks());
    if (saved.ok())
        return true;
    MessageBox::warning(this, fileMessage(saved));
    return false;
}

tirta::bookmarks::BookmarkLists Form17::bookmarks() const
{
    tirta::bookmarks::BookmarkLists lists;
    for (int i = 0; i < m_ui.List[0]->count(); ++i)
        lists.append(
            m_ui.List[0]->item(i)->text(), m_ui.List[1]->item(i)->text(), m_ui.List[2]->item(i)->text());
    return lists;
}

void Form17::setPosition(const QString& position, const QString& versionTag)
{
    m_ui.Label2->setText(position);
    m_ui.lblVersiKitab->setText(versionTag);
    // In an edit the note stays: "Update" then moves the bookmark to the new position.
    if (!inUpdateMode())
        m_ui.Text2->setPlainText(kPrompt);
}

QString Form17::fileMessage(const tirta::bookmarks::FileResult& result)
{
    const QString detail = result.detail.isEmpty() ? QString() : u" ("_s + result.detail + u')';
    switch (result.error) {
    case FileError::None:
        break;
    case FileError::Unreadable:
        return tr("File bookmark tidak dapat dibaca:") + u"\r\n"_s + result.path + detail + u"\r\n"_s
            + tr("File itu tidak diubah; bookmark di dalamnya belum dapat ditampilkan.");
    case FileError::Unwritable:
        return tr("Daftar bookmark tidak dapat disimpan ke") + u"\r\n"_s + result.path + detail + u"\r\n"_s
            + tr("File bookmark yang lama tidak diubah, dan daftar di jendela Bookmark masih utuh.");
    case FileError::Irremovable:
        return tr("File bookmark tidak dapat dihapus:") + u"\r\n"_s + result.path + detail;
    case FileError::Protected:
        return tr("Daftar bookmark tidak disimpan: file bookmark") + u"\r\n"_s + result.path + u"\r\n"_s
            + tr("tidak dapat dibaca ketika dibuka, jadi isinya tidak ditimpa.");
    }
    return {};
}

void Form17::Command3_Click()
{
    const QString note = tirta::bookmarks::noteFromText(m_ui.Text2->toPlainText());
    if (note.trimmed().isEmpty() || note == kPrompt) {
        MessageBox::show(this, tr("Isi dahulu bagian keterangan"), QMessageBox::Ok, QMessageBox::NoIcon);
        return;
    }
    if (note.contains(tirta::bookmarks::kFieldSeparator)) {
        MessageBox::show(this,
            tr("Keterangan tidak boleh mengandung tanda \"#@#\".") + u"\r\n"_s
                + tr("Ubah keterangan itu lalu simpan kembali."),
            QMessageBox::Ok, QMessageBox::NoIcon);
        return;
    }
    const bool update = inUpdateMode();
    const int row = selectedRow();
    if (update && row < 0) {
        // The bookmark being edited is gone; the note stays so that it can be saved anew.
        m_ui.Command3->setText(kSave);
        MessageBox::show(this,
            tr("Bookmark yang sedang diedit sudah tidak ada dalam daftar.") + u"\r\n"_s
                + tr("Tekan \"Simpan\" untuk menyimpan keterangan ini sebagai bookmark baru."),
            QMessageBox::Ok, QMessageBox::NoIcon);
        return;
    }
    const auto answer = MessageBox::show(this,
        u"Pastikan keterangan yang anda tulis sudah benar. "_s + u"\r\n"_s
            + u"Simpan posisi Alkitab dan keterangannya sekarang?"_s,
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon);
    if (answer != QMessageBox::Ok)
        return; // the note stays in the box to be corrected
    if (update) {
        // The version tag of an edited bookmark never changes.
        m_ui.List[0]->item(row)->setText(note);
        m_ui.List[2]->item(row)->setText(m_ui.Label2->text());
        selectQuietly(row);
        m_ui.Text1->setText(m_ui.Label2->text());
    } else {
        m_ui.List[0]->addItem(note);
        m_ui.List[1]->addItem(m_ui.lblVersiKitab->text());
        m_ui.List[2]->addItem(m_ui.Label2->text());
    }
    m_ui.Command3->setText(kSave);
    m_ui.Text2->clear();
}

void Form17::Command2_Click()
{
    if (SaveBookmarks_to_File())
        hide();
}

void Form17::Command1_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    QString position = m_ui.List[2]->item(row)->text();
    tirta::normaliseSpelling(position);
    const bool oldTestament = tirta::oldTestamentIndex(position.section(u'#', 0, 0)) != u"-1"_s;
    if (oldTestament && !m_reader.hasOldTestament()) {
        MessageBox::show(this, u"Versi yang sedang aktif tidak memiliki Perjanjian Lama"_s, QMessageBox::Ok,
            QMessageBox::NoIcon);
        return;
    }
    m_reader.JumpLocation(position);
}

void Form17::List_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    resetNote();
    m_ui.Text1->setText(m_ui.List[2]->item(row)->text());
    m_ui.Command1->setEnabled(true);
}

void Form17::MenuEditBookmark_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_ui.Label2->setText(m_ui.List[2]->item(row)->text());
    m_ui.Text2->setPlainText(m_ui.List[0]->item(row)->text());
    m_ui.Command3->setText(kUpdate);
}

void Form17::MenuHapusBookmark_Click()
{
    m_ui.Command1->setEnabled(false);
    const int row = selectedRow();
    if (row < 0)
        return;
    m_quiet = true;
    for (QListWidget* list : m_ui.List)
        delete list->takeItem(row);
    m_quiet = false;
    selectQuietly(-1);
    m_ui.Text1->clear();
}

void Form17::MenuHapusDaftar_Click()
{
    m_ui.Command1->setEnabled(false);
    m_quiet = true;
    for (QListWidget* list : m_ui.List)
        list->clear();
    m_quiet = false;
    m_ui.Text1->clear();
}

void Form17::showHapusMenu(const QPoint& globalPos)
{
    m_menus.MenuHapusBookmark->setVisible(selectedRow() >= 0);
    m_menus.MenuHapus->popup(globalPos);
}

int Form17::selectedRow() const
{
    const QListWidgetItem* item = m_ui.List[0]->currentItem();
    return item && item->isSelected() ? m_ui.List[0]->row(item) : -1;
}

void Form17::selectQuietly(int row)
{
    m_quiet = true;
    m_ui.List[0]->setCurrentRow(row);
    if (row < 0)
        m_ui.List[0]->clearSelection();
    m_quiet = false;
}

void Form17::resetNote()
{
    m_ui.Text2->setPlainText(kPrompt);
    m_ui.Command3->setText(kSave);
}

bool Form17::inUpdateMode() const
{
    return m_ui.Command3->text() == kUpdate;
}
