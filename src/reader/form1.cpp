#include "form1.h"

#include "foundation/safefile.h"
#include "foundation/version.h"
#include "info/form7.h"
#include "reader/form15.h"
#include "reader/form16.h"
#include "reader/searchbar.h"
#include "reader/splash.h"
#include "reader/toolbarband.h"
#include "uikit/listhovertip.h"
#include "uikit/statusstrip.h"
#include "uikit/widgets.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template <class T> T* make(const char* name, QWidget* parent = nullptr)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

QAction* item(QMenu* menu, const char* name, const QString& caption, bool checkable = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1StringView(name));
    action->setCheckable(checkable);
    return action;
}

QMenu* menu(QWidget* parent, const char* name, const QString& caption)
{
    auto* m = new QMenu(caption, parent);
    m->setObjectName(QLatin1StringView(name));
    return m;
}

} // namespace

Form1::Form1(tirta::reader::Environment environment, QWidget* parent)
    : QMainWindow(parent)
    , m_environment(std::move(environment))
{
    setObjectName(u"Form1"_s);
    buildUi();
    createActions();
    connectSignals();
}

Form1::~Form1() = default;

void Form1::buildUi()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(2, 2, 2, 0);
    outer->setSpacing(2);

    m_ui.toolbar = new tirta::reader::ToolbarBand(central);
    outer->addWidget(m_ui.toolbar);

    m_ui.picSearchBar = make<QWidget>("picSearchBar", central);
    m_ui.SearchBar = new tirta::reader::DraggableBar(m_ui.picSearchBar);
    m_ui.SearchBar->setObjectName(u"SearchBar"_s);
    m_ui.Text1 = make<QLineEdit>("Text1");
    m_ui.Text1->setMinimumWidth(100);
    m_ui.Combo2 = make<QComboBox>("Combo2");
    m_ui.Combo2->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_ui.Check1 = make<QCheckBox>("Check1");
    m_ui.Check1->setText(tr("Kata Tepat"));
    m_ui.Command1 = make<QPushButton>("Command1");
    m_ui.Command1->setText(tr("Cari"));
    m_ui.Command1->setMaximumWidth(64);
    m_ui.Command2 = make<QPushButton>("Command2");
    m_ui.Command2->setText(u"<"_s);
    m_ui.Command2->setToolTip(tr("Sebelumnya"));
    m_ui.Command3 = make<QPushButton>("Command3");
    m_ui.Command3->setText(u">"_s);
    m_ui.Command3->setToolTip(tr("Berikutnya"));
    m_ui.Command4 = make<QPushButton>("Command4");
    m_ui.Command4->setText(tr("Cari Semua"));
    for (QPushButton* arrow : { m_ui.Command2, m_ui.Command3 }) {
        arrow->setEnabled(false);
        arrow->setMaximumWidth(28);
    }
    // Too narrow for one row, the bar puts the check box and the buttons on a second one.
    m_ui.SearchBar->setControls({ new QLabel(tr("Cari:"), m_ui.SearchBar), m_ui.Text1, m_ui.Combo2,
                                    m_ui.Check1, m_ui.Command1, m_ui.Command2, m_ui.Command3, m_ui.Command4 },
        { 0, 3, 2 }, 3);
    m_ui.cmdResetPos = make<QToolButton>("cmdResetPos", m_ui.picSearchBar);
    m_ui.cmdResetPos->setText(u"\u21E4"_s);
    m_ui.cmdResetPos->setToolTip(tr("Kembalikan kotak pencarian ke tempatnya"));
    m_ui.cmdResetPos->hide();
    outer->addWidget(m_ui.picSearchBar);

    m_ui.RestoreBar = make<QWidget>("RestoreBar", central);
    auto* restore = new QHBoxLayout(m_ui.RestoreBar);
    restore->setContentsMargins(0, 0, 0, 0);
    m_ui.rbCommand = make<QPushButton>("rbCommand");
    m_ui.rbCommand->setText(tr("Tampilan Normal"));
    m_ui.rbCommand->setToolTip(tr("Tampilkan kembali semua bagian jendela (F11)"));
    restore->addWidget(m_ui.rbCommand);
    restore->addStretch();
    m_ui.RestoreBar->hide();
    outer->addWidget(m_ui.RestoreBar);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    m_ui.Frame1 = make<QGroupBox>("Frame1", central);
    m_ui.Frame1->setTitle(tr("Daftar Kitab"));
    auto* panel = new QVBoxLayout(m_ui.Frame1);
    panel->setContentsMargins(4, 4, 4, 4);
    auto* testaments = new QHBoxLayout;
    m_ui.Option1 = make<QRadioButton>("Option1");
    m_ui.Option1->setText(tr("P. Lama"));
    m_ui.Option1->setToolTip(tr("Perjanjian Lama"));
    m_ui.Option2 = make<QRadioButton>("Option2");
    m_ui.Option2->setText(tr("P. Baru"));
    m_ui.Option2->setToolTip(tr("Perjanjian Baru"));
    testaments->addWidget(m_ui.Option1);
    testaments->addWidget(m_ui.Option2);
    panel->addLayout(testaments);
    m_ui.List1 = make<QListWidget>("List1");
    m_ui.List1->setMouseTracking(true);
    panel->addWidget(m_ui.List1, 3);
    auto* chapterRow = new QHBoxLayout;
    m_ui.List2 = make<QListWidget>("List2");
    chapterRow->addWidget(m_ui.List2, 1);
    panel->addLayout(chapterRow, 2);
    auto* verseRow = new QHBoxLayout;
    verseRow->addWidget(new QLabel(tr("Ayat:"), m_ui.Frame1));
    m_ui.Combo1 = make<QComboBox>("Combo1");
    verseRow->addWidget(m_ui.Combo1, 1);
    panel->addLayout(verseRow);
    auto* fonts = new QHBoxLayout;
    m_ui.bFontDown = make<QToolButton>("bFontDown");
    m_ui.bFontDown->setText(u"A-"_s);
    m_ui.bFontDown->setToolTip(tr("Perkecil huruf"));
    m_ui.bFontUp = make<QToolButton>("bFontUp");
    m_ui.bFontUp->setText(u"A+"_s);
    m_ui.bFontUp->setToolTip(tr("Perbesar huruf"));
    m_ui.bFontReset = make<QToolButton>("bFontReset");
    m_ui.bFontReset->setText(u"A"_s);
    m_ui.bFontReset->setToolTip(tr("Huruf semula"));
    fonts->addWidget(m_ui.bFontDown);
    fonts->addWidget(m_ui.bFontUp);
    fonts->addWidget(m_ui.bFontReset);
    fonts->addStretch();
    panel->addLayout(fonts);
    // At the smallest window, with the search bar in two rows, the lists give up a row each.
    for (QListWidget* list : { m_ui.List1, m_ui.List2 })
        list->setMinimumHeight(56);
    m_ui.Frame1->setFixedWidth(170);
    body->addWidget(m_ui.Frame1);

    auto* reading = new QVBoxLayout;
    reading->setSpacing(2);
    m_ui.Label1 = make<QLabel>("Label1");
    QFont labelFont = m_ui.Label1->font();
    labelFont.setBold(true);
    m_ui.Label1->setFont(labelFont);
    reading->addWidget(m_ui.Label1);
    m_ui.Frame2 = make<QSplitter>("Frame2");
    m_ui.Frame2->setOrientation(Qt::Vertical);
    m_ui.Frame2->setChildrenCollapsible(false);
    m_ui.rtf1 = make<QTextEdit>("rtf1");
    m_ui.rtf2 = make<QTextEdit>("rtf2");
    for (QTextEdit* pane : { m_ui.rtf1, m_ui.rtf2 }) {
        pane->setReadOnly(true);
        pane->setAcceptRichText(false);
        pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        pane->setContextMenuPolicy(Qt::NoContextMenu);
        pane->setMinimumHeight(40);
        m_ui.Frame2->addWidget(pane);
    }
    m_ui.Frame2->setStretchFactor(0, 3);
    m_ui.Frame2->setStretchFactor(1, 1);
    m_ui.rtf2->hide();
    reading->addWidget(m_ui.Frame2, 1);
    body->addLayout(reading, 1);
    outer->addLayout(body, 1);
    setCentralWidget(central);

    m_ui.Label3 = make<QLabel>("Label3", central);
    auto* hoverTip = new tirta::ui::ListHoverTip(
        m_ui.List1, m_ui.Label3, tirta::ui::ListHoverTip::Style::BesideList, this);
    hoverTip->hideWhenOver(m_ui.Frame1);
    hoverTip->hideWhenOver(m_ui.Frame2);

    m_ui.picStatusBar = make<QStatusBar>("picStatusBar");
    m_ui.labelStatus = make<QLabel>("labelStatus");
    m_ui.picStatusBar->addWidget(m_ui.labelStatus, 1);
    setStatusBar(m_ui.picStatusBar);
    m_ui.labelStatus->setText(tirta::ui::mainStatusIdleText());

    // The history list appears at the right edge of the screen on request.
    m_ui.ListHistory = make<QListWidget>("ListHistory", this);
    m_ui.ListHistory->setWindowFlags(Qt::Tool);
    m_ui.ListHistory->setWindowTitle(tr("Riwayat"));
    m_ui.ListHistory->hide();
    m_ui.cmdPanel = make<QPushButton>("cmdPanel", m_ui.ListHistory);
    m_ui.cmdPanel->setText(tr("Tutup"));
    m_ui.cmdPanel->hide();
}

void Form1::createActions()
{
    QMenuBar* bar = menuBar();
    auto& m = m_menus;

    m.MenuVersi = menu(this, "MenuVersi", tr("&Alkitab"));
    m.versiGroup = new QActionGroup(this);
    m.VersiKitab.push_back(item(m.MenuVersi, "VersiKitab_0", QString(), true));
    m.VersiKitab[0]->setVisible(false);
    bar->addMenu(m.MenuVersi);

    m.MenuDeuterokanonika = menu(this, "MenuDeuterokanonika", tr("&Deuterokanonika"));
    m.MenuDeutero1 = item(m.MenuDeuterokanonika, "MenuDeutero1", tr("Deuterokanonika 1"));
    m.MenuDeutero2 = item(m.MenuDeuterokanonika, "MenuDeutero2", tr("Deuterokanonika 2"));
    m.MenuDeutero3 = item(m.MenuDeuterokanonika, "MenuDeutero3", tr("Deuterokanonika 3"));
    bar->addMenu(m.MenuDeuterokanonika);

    m.MenuArtikel = menu(this, "MenuArtikel", tr("A&rtikel"));
    m.MenuPerikop = item(m.MenuArtikel, "MenuPerikop", tr("Daftar Perikop Alkitab"));
    m.MenuKeterangan = item(m.MenuArtikel, "MenuKeterangan", tr("Keterangan Alkitab"));
    m.MenuPengantar = item(m.MenuArtikel, "MenuPengantar", tr("Pengantar Kitab"));
    m.MenuCommentary = item(m.MenuArtikel, "MenuCommentary", tr("Tafsiran"));
    m.MenuArtikel->addSeparator();
    m.MenuPerumpamaan = item(m.MenuArtikel, "MenuPerumpamaan", tr("Daftar Perumpamaan Yesus"));
    m.MenuNubuat = item(m.MenuArtikel, "MenuNubuat", tr("Daftar Nubuat dan Penggenapan"));
    m.MenuArtikel->addSeparator();
    m.MenuPeta = item(m.MenuArtikel, "MenuPeta", tr("Peta Alkitab"));
    m.MenuKamus = item(m.MenuArtikel, "MenuKamus", tr("Kamus Alkitab"));
    m.MenuTematik = item(m.MenuArtikel, "MenuTematik", tr("Ayat-ayat Tematik"));
    bar->addMenu(m.MenuArtikel);

    m.MenuLihat = menu(this, "MenuLihat", tr("&Lihat"));
    m.menuPadanan = item(m.MenuLihat, "menuPadanan", tr("Padanan Alkitab"), true);
    m.MenuLihat->addSeparator();
    m.MenuHasil = item(m.MenuLihat, "MenuHasil", tr("Jendela Hasil Pencarian"));
    m.MenuDaftar = item(m.MenuLihat, "MenuDaftar", tr("Daftar Hasil Pencarian"));
    m.MenuClipBook = item(m.MenuLihat, "MenuClipBook", tr("ClipBook"));
    m.MenuLihat->addSeparator();
    m.MenuTips = item(m.MenuLihat, "MenuTips", tr("Tip Penggunaan Program"));
    bar->addMenu(m.MenuLihat);

    m.menuSetting = menu(this, "menuSetting", tr("&Setting"));
    m.MenuSettingFont = item(m.menuSetting, "MenuSettingFont", tr("Ubah Ukuran dan Jenis Font..."));
    m.menuSetting->addSeparator();
    m.MenuPencarianOptimal = item(m.menuSetting, "MenuPencarianOptimal", tr("Pencarian Optimal"), true);
    m.MenuPencarianHapus = item(
        m.menuSetting, "MenuPencarianHapus", tr("Hapus Hasil Pencarian saat keluar dari program"), true);
    m.menuSetting->addSeparator();
    m.menuSettingLokasiData = item(m.menuSetting, "menuSettingLokasiData", tr("Lokasi Data..."));
    m.menuSetting->addSeparator();
    m.menuSettingSimpan = item(m.menuSetting, "menuSettingSimpan", tr("Selalu simpan setting program"), true);
    bar->addMenu(m.menuSetting);

    m.menuTampilan = menu(this, "menuTampilan", tr("&Tampilan"));
    m.menuToolbarTY = item(m.menuTampilan, "menuToolbarTY", tr("Toolbar Khas TY"), true);
    m.menuTampilan->addSeparator();
    m.MenuSettingTerpisah
        = item(m.menuTampilan, "MenuSettingTerpisah", tr("Tampilkan Pengantar di Jendela Terpisah"), true);
    m.MenuShowTip = item(m.menuTampilan, "MenuShowTip", tr("Tampilkan Tip di Awal Program"), true);
    m.menuTampilan->addSeparator();
    m.menuSettingNormal = item(m.menuTampilan, "menuSettingNormal", tr("Tampilan Normal"));
    m.menuTampilan->addSeparator();
    m.menuSettingToolbar = item(m.menuTampilan, "menuSettingToolbar", tr("Tampilkan Toolbar"), true);
    m.menuSettingPencarian
        = item(m.menuTampilan, "menuSettingPencarian", tr("Tampilkan Kotak Pencarian"), true);
    m.menuSettingKitab = item(m.menuTampilan, "menuSettingKitab", tr("Tampilkan Daftar Kitab"), true);
    m.menuSettingStatus = item(m.menuTampilan, "menuSettingStatus", tr("Tampilkan Status Bar"), true);
    bar->addMenu(m.menuTampilan);

    m.MenuInfo = menu(this, "MenuInfo", tr("Info"));
    m.MenuHelp = item(m.MenuInfo, "MenuHelp", tr("Panduan Program"));
    m.MenuAbout = item(m.MenuInfo, "MenuAbout", tr("Tentang ") + QLatin1StringView(tirta::kProductName));
    m.MenuInfo->addSeparator();
    m.menuEtika = item(m.MenuInfo, "menuEtika", tr("Etika Pengutipan Alkitab"));
    m.menuHakCipta = item(m.MenuInfo, "menuHakCipta", tr("Hak Cipta"));
    bar->addMenu(m.MenuInfo);
    // A menu whose items are all switched off for the data file does not open empty.
    for (QAction* entry : bar->actions())
        tirta::ui::hideMenuWhileEmpty(entry->menu());

    // Pop-up menus of the reading panes.
    m.MenuEdit = menu(this, "MenuEdit", tr("Edit"));
    m.MenuBookmark = item(m.MenuEdit, "MenuBookmark", tr("Bookmark"));
    m.bookmarkSeparator = m.MenuEdit->addSeparator();
    m.MenuPilihSemua = item(m.MenuEdit, "MenuPilihSemua", tr("Pilih Semua"));
    m.MenuPilihAyat = item(m.MenuEdit, "MenuPilihAyat", tr("Pilih ayat"));
    m.menuCopy = item(m.MenuEdit, "menuCopy", tr("Copy"));
    m.MenuCopyClipBook = item(m.MenuEdit, "MenuCopyClipBook", tr("Copy ke ClipBook"));
    m.refSeparator = m.MenuEdit->addSeparator();
    m.MenuRef = menu(this, "MenuRef", tr("Referensi Silang"));
    m.MenuEdit->addMenu(m.MenuRef);
    m.MenuRefs.push_back(item(m.MenuRef, "MenuRefs_0", tr("<tidak ada referensi>")));

    m.OpsiVersiKitab = menu(this, "OpsiVersiKitab", tr("Opsi"));
    m.opsiGroup = new QActionGroup(this);
    m.OpsiKitab.push_back(item(m.OpsiVersiKitab, "OpsiKitab_0", QString(), true));
    m.OpsiKitab[0]->setVisible(false);

    m.menuOpsiPadanan = menu(this, "menuOpsiPadanan", QString());
    m.menuPadananPilihSemua = item(m.menuOpsiPadanan, "menuPadananPilihSemua", tr("Pilih Semua"));
    m.menuCopyPadanan = item(m.menuOpsiPadanan, "menuCopyPadanan", tr("Copy ke ClipBook"));
    m.menuPadananSeluruh = item(m.menuOpsiPadanan, "menuPadananSeluruh", tr("Tampilkan Seluruh Pasal"));

    // The features other libraries provide stay unavailable until their library installs itself;
    // their tool buttons follow.
    for (int f = 0; f <= static_cast<int>(tirta::ui::Feature::HakCipta); ++f) {
        QAction* feature = featureAction(static_cast<tirta::ui::Feature>(f));
        feature->setEnabled(false);
        connect(feature, &QAction::changed, this, &Form1::updateFeatureButtons);
    }
    m.MenuRefs[0]->setEnabled(false);

    // Keys the window handles before any of its controls.
    using Step = tirta::reader::History::Step;
    const auto windowKey = [this](const char* name, const QKeySequence& key, auto handler) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1StringView(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    windowKey("historyBack", QKeySequence(Qt::Key_F3), [this] { historyStep(Step::Back); });
    windowKey("historyForward", QKeySequence(Qt::Key_F4), [this] { historyStep(Step::Forward); });
    windowKey("historyNewest", QKeySequence(Qt::Key_F5), [this] { historyStep(Step::Newest); });
    windowKey("historyList", QKeySequence(Qt::CTRL | Qt::Key_F9), [this] { toggleHistoryList(); });
    windowKey("enlargedView", QKeySequence(Qt::Key_F11), [this] { toggleEnlargedView(); });
}

void Form1::connectSignals()
{
    connect(m_ui.Option1, &QRadioButton::clicked, this, [this] { Option_Click(true); });
    connect(m_ui.Option2, &QRadioButton::clicked, this, [this] { Option_Click(false); });
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(m_ui.List2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowChapter();
    });
    connect(m_ui.Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(m_ui.bFontDown, &QToolButton::clicked, this, [this] { changeFontSize(-1); });
    connect(m_ui.bFontUp, &QToolButton::clicked, this, [this] { changeFontSize(1); });
    connect(m_ui.bFontReset, &QToolButton::clicked, this, &Form1::resetFont);
    connect(m_ui.ListHistory, &QListWidget::itemActivated, this, [this](QListWidgetItem* entry) {
        QString reference = entry->text().section(u'@', 1);
        JumpLocation(reference);
    });
    connect(m_ui.cmdPanel, &QPushButton::clicked, this, &Form1::toggleHistoryList);

    auto& m = m_menus;
    connect(m.menuSettingToolbar, &QAction::triggered, this,
        [this] { toggleBand(m_menus.menuSettingToolbar, m_ui.toolbar); });
    connect(m.menuSettingPencarian, &QAction::triggered, this,
        [this] { toggleBand(m_menus.menuSettingPencarian, m_ui.picSearchBar); });
    connect(m.menuSettingKitab, &QAction::triggered, this,
        [this] { toggleBand(m_menus.menuSettingKitab, m_ui.Frame1); });
    connect(m.menuSettingStatus, &QAction::triggered, this,
        [this] { toggleBand(m_menus.menuSettingStatus, m_ui.picStatusBar); });
    connect(m.menuPadanan, &QAction::triggered, this, &Form1::toggleParallelPane);
    connect(m.menuToolbarTY, &QAction::triggered, m_ui.toolbar, &tirta::reader::ToolbarBand::setBlueStyle);
    connect(m_ui.toolbar, &tirta::reader::ToolbarBand::toolClicked, this, &Form1::ToolButton_Click);
    connect(m_ui.toolbar, &tirta::reader::ToolbarBand::statusText, m_ui.labelStatus, &QLabel::setText);
    connect(m.menuSettingNormal, &QAction::triggered, this, &Form1::toggleEnlargedView);
    connect(m_ui.rbCommand, &QPushButton::clicked, this, &Form1::toggleEnlargedView);
    connect(m.menuTampilan, &QMenu::aboutToShow, this, &Form1::updateNormalViewItem);
    connect(m.MenuSettingFont, &QAction::triggered, this, &Form1::chooseFont);
    connect(m.MenuSettingTerpisah, &QAction::toggled, this, [this](bool on) {
        m_separateIntro = on;
        Q_EMIT m_events.separateIntroChanged(on);
    });
    connect(m_ui.cmdResetPos, &QToolButton::clicked, m_ui.SearchBar, &tirta::reader::DraggableBar::goHome);
    connect(m_ui.SearchBar, &tirta::reader::DraggableBar::homeChanged, this, [this](bool home) {
        m_ui.cmdResetPos->setVisible(!home);
        m_ui.cmdResetPos->raise();
        m_ui.cmdResetPos->move(m_ui.picSearchBar->width() - m_ui.cmdResetPos->width(), 0);
    });
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_ui.Command4, &QPushButton::clicked, this, &Form1::CariSemua);
    connect(m.MenuHasil, &QAction::triggered, this, [this] { showResultsPage(u"cari"_s); });
    connect(m.MenuDaftar, &QAction::triggered, this, [this] { showResultsPage(u"daftar"_s); });
    connect(m.MenuClipBook, &QAction::triggered, this, [this] { showResultsPage(u"clipbook"_s); });
    connect(m_ui.Command2, &QPushButton::clicked, this, [this] { findStep(false); });
    connect(m_ui.Command3, &QPushButton::clicked, this, [this] { findStep(true); });
    connect(m_ui.Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(m_ui.Combo2, &QComboBox::currentTextChanged, m_ui.Combo2, &QComboBox::setToolTip);
    connect(m.MenuAbout, &QAction::triggered, this, [this] {
        if (!m_aboutBox)
            m_aboutBox = new Form7(*this);
        m_aboutBox->exec();
    });
    connect(m.menuCopy, &QAction::triggered, this, &Form1::copySelection);
    connect(m.MenuCopyClipBook, &QAction::triggered, this,
        [this] { CopyToClipBook(m_ui.rtf1, QString(), selectedBookEntry() + u' '); });
    connect(m.menuCopyPadanan, &QAction::triggered, this,
        [this] { CopyToClipBook(m_ui.rtf2, QString(), selectedBookEntry() + u' '); });
    connect(m_menus.menuSettingLokasiData, &QAction::triggered, this, [this] {
        Form15 dialog(*m_settings, m_displayedFolder, this);
        dialog.exec();
    });
    connect(m_menus.MenuPilihSemua, &QAction::triggered, this, [this] { m_ui.rtf1->selectAll(); });
    connect(m_menus.MenuPilihAyat, &QAction::triggered, this,
        [this] { markLine(m_ui.rtf1, std::max<qsizetype>(m_caret, 1), true, true); });
    connect(m_menus.menuPadananPilihSemua, &QAction::triggered, this, [this] { m_ui.rtf2->selectAll(); });
    connect(m_menus.menuPadananSeluruh, &QAction::triggered, this, [this] {
        showPlain(
            m_ui.rtf2, tirta::fromCrLf(session().recordset(tirta::Role::Chapters).text(m_parallelColumn)));
    });

    m_ui.rtf1->viewport()->installEventFilter(this);
    m_ui.rtf1->installEventFilter(this);
    m_ui.rtf2->viewport()->installEventFilter(this);
    prepareSearchBar();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.Text1) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Text1_Enter(key->modifiers());
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, m_ui.Text1, &QLineEdit::selectAll);
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            openSearchTextBox();
            return true;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    if (watched == m_ui.rtf1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        rtf1_Release(static_cast<QMouseEvent*>(event)->button());
    } else if (watched == m_ui.rtf1 && event->type() == QEvent::KeyRelease) {
        m_caret = m_ui.rtf1->textCursor().position();
        markLine(m_ui.rtf1, m_caret);
    } else if (watched == m_ui.rtf2->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            m_menus.menuCopyPadanan->setEnabled(m_ui.rtf2->textCursor().hasSelection());
            m_menus.menuOpsiPadanan->popup(mouse->globalPosition().toPoint());
        } else if (mouse->button() == Qt::RightButton) {
            m_menus.OpsiVersiKitab->popup(mouse->globalPosition().toPoint());
        } else if (mouse->button() == Qt::LeftButton) {
            // Back from the whole chapter to the verse marked in the reading pane.
            m_ui.rtf1->setFocus();
            markLine(m_ui.rtf1, std::max<qsizetype>(m_marked.start, 1), false, true);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
