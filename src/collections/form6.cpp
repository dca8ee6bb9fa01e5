#include "form6.h"

#include "collections/collectionwindow.h"
#include "collections/titles.h"
#include "foundation/datasession.h"
#include "uikit/help.h"
#include "uikit/listhovertip.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/statusstrip.h"
#include "uikit/twips.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <utility>

using namespace Qt::StringLiterals;
namespace collections = tirta::collections;

namespace {
constexpr int kPanelWidthTwips = 3390;
constexpr int kFoldedPanelWidthTwips = 300;
constexpr int kWindowHeight = 480;
} // namespace

Form6::Form6(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
    , m_folders { reader.dataFolderShown(), reader.programFolder() }
{
    setObjectName(u"Form6"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kMaps);
    setWindowTitle(tr("Peta Alkitab"));
    buildUi();
    connectSignals();
    Form_Load();
}

void Form6::buildUi()
{
    const collections::WindowBody body = collections::createWindowBody(this);
    m_ui.Frame1 = body.Frame1;
    m_ui.picStatusBar = body.picStatusBar;

    m_ui.picListPanel = new QFrame(m_ui.Frame1);
    m_ui.picListPanel->setObjectName(u"picListPanel"_s);
    m_ui.Command1 = new QPushButton(m_ui.picListPanel);
    m_ui.Command1->setObjectName(u"Command1"_s);
    m_ui.Command1->setToolTip(tr("Minimize / Maximize View"));
    m_ui.Command1->setAutoDefault(false);
    const int square = tirta::ui::twipsToPixels(kFoldedPanelWidthTwips, *this);
    m_ui.Command1->setFixedSize(square, square);
    m_ui.Label1 = new QLabel(tr("Daftar Gambar"), m_ui.picListPanel);
    m_ui.Label1->setObjectName(u"Label1"_s);
    m_ui.Combo1 = new QComboBox(m_ui.picListPanel);
    m_ui.Combo1->setObjectName(u"Combo1"_s);
    m_ui.List1 = new QListWidget(m_ui.picListPanel);
    m_ui.List1->setObjectName(u"List1"_s);
    m_ui.Label1->setBuddy(m_ui.List1);
    auto* header = new QHBoxLayout;
    header->addWidget(m_ui.Command1);
    header->addWidget(m_ui.Label1, 1);
    auto* panel = new QVBoxLayout(m_ui.picListPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(header);
    panel->addWidget(m_ui.Combo1);
    panel->addWidget(m_ui.List1, 1);
    panel->addStretch(0); // keeps the button at the top while the panel is folded

    // The viewer: the picture moves inside the viewport as the scroll bars say.
    m_ui.Picture1 = new QWidget(m_ui.Frame1);
    m_ui.Picture1->setObjectName(u"Picture1"_s);
    m_ui.Picture1->setMinimumSize(80, 80);
    m_ui.Picture1->setAutoFillBackground(true);
    m_ui.Picture1->setBackgroundRole(QPalette::Dark);
    m_ui.Picture2 = new QLabel(m_ui.Picture1);
    m_ui.Picture2->setObjectName(u"Picture2"_s);
    m_ui.VScroll1 = new QScrollBar(Qt::Vertical, m_ui.Frame1);
    m_ui.VScroll1->setObjectName(u"VScroll1"_s);
    m_ui.HScroll1 = new QScrollBar(Qt::Horizontal, m_ui.Frame1);
    m_ui.HScroll1->setObjectName(u"HScroll1"_s);
    auto* viewer = new QGridLayout;
    viewer->setSpacing(0);
    viewer->addWidget(m_ui.Picture1, 0, 0);
    viewer->addWidget(m_ui.VScroll1, 0, 1);
    viewer->addWidget(m_ui.HScroll1, 1, 0);

    auto* frame = new QHBoxLayout(m_ui.Frame1);
    frame->addWidget(m_ui.picListPanel);
    frame->addLayout(viewer, 1);

    m_ui.Label2 = new QLabel(this);
    m_ui.Label2->setObjectName(u"Label2"_s);
}

void Form6::connectSignals()
{
    connect(m_ui.Combo1, &QComboBox::currentIndexChanged, this, &Form6::Combo1_Click);
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, &Form6::List1_Click);
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(m_ui.VScroll1, &QScrollBar::valueChanged, this, &Form6::placePicture);
    connect(m_ui.HScroll1, &QScrollBar::valueChanged, this, &Form6::placePicture);
    m_ui.Picture1->installEventFilter(this);
    tirta::ui::ListHoverTip* tip
        = collections::attachHoverTip(m_ui.List1, m_ui.Label2, { m_ui.picListPanel, m_ui.Picture1 });
    connect(
        tip, &tirta::ui::ListHoverTip::hovered, this, [this](int, const QString& text) { setStatus(text); });
}

void Form6::Form_Load()
{
    tirta::ui::applyTextSize(
        { m_ui.List1, m_ui.Label2 }, tirta::ui::secondaryTextSize(tirta::ui::screenHeightOf(this)));
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    resize(screen ? screen->geometry().width() * 8 / 10 : 640, kWindowHeight);
    m_ui.picListPanel->setFixedWidth(tirta::ui::twipsToPixels(kPanelWidthTwips, *this));
    m_ui.Command1->setText(u"\u00ab"_s);

    // Choosing the first entry lists every picture and shows the first.
    const QSignalBlocker blocker(m_ui.Combo1);
    m_ui.Combo1->clear();
    m_ui.Combo1->addItem(collections::kAllPictures.toString());
    m_ui.Combo1->addItems(
        collections::categoryNames(m_reader.session().recordset(tirta::Role::PictureCategories)));
    m_ui.Combo1->setCurrentIndex(0);
    Combo1_Click();
}

bool Form6::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

bool Form6::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.Picture1) {
        if (event->type() == QEvent::Resize)
            setUpScrollBars();
        // The wheel over the picture moves it by one small change per notch.
        if (event->type() == QEvent::Wheel) {
            QPoint notches
                = static_cast<QWheelEvent*>(event)->angleDelta() / QWheelEvent::DefaultDeltasPerStep;
            if (!m_ui.VScroll1->isEnabled())
                notches = QPoint(notches.x() + notches.y(), 0);
            for (auto [bar, steps] :
                { std::pair(m_ui.HScroll1, notches.x()), { m_ui.VScroll1, notches.y() } })
                bar->setValue(bar->value() - steps * bar->singleStep());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form6::Form_Activate()
{
    tirta::ui::applyTextFace({ m_ui.List1, m_ui.Label2 }, m_reader.readingFont());
    tirta::ui::drawSharedStatusOf(m_ui.picStatusBar, m_reader.mainWindow());
}

void Form6::Combo1_Click()
{
    m_ui.List1->clear();
    m_ui.List1->addItems(collections::titlesOfCategory(
        m_reader.session().recordset(tirta::Role::Pictures), m_ui.Combo1->currentText(), m_folders));
    m_ui.List1->setCurrentRow(0);
}

void Form6::List1_Click(int row)
{
    if (row < 0)
        return;
    const QString title = m_ui.List1->item(row)->text();
    setStatus(title);
    tirta::Recordset& catalogue = m_reader.session().recordset(tirta::Role::Pictures);
    if (!collections::findTitle(catalogue, u"Judul", title))
        return;
    const QString path = collections::picturePath(m_folders, catalogue.text(u"Gambar"));
    // A picture that cannot be shown leaves the last one in the viewer and says why.
    if (!QFileInfo(path).isFile()) {
        setStatus(tr("Gambar \"%1\" tidak ditemukan: %2").arg(title, QDir::toNativeSeparators(path)));
        return;
    }
    QImageReader file(path);
    file.setAutoTransform(true);
    const QImage picture = file.read();
    if (picture.isNull()) {
        setStatus(tr("Gambar \"%1\" tidak dapat dibaca: %2").arg(title, QDir::toNativeSeparators(path)));
        return;
    }
    m_ui.Picture2->setPixmap(QPixmap::fromImage(picture));
    m_ui.Picture2->resize(picture.size() / picture.devicePixelRatio());
    setUpScrollBars();
    m_ui.List1->setFocus(Qt::OtherFocusReason);
}

void Form6::Command1_Click()
{
    m_panelFolded = !m_panelFolded;
    const bool expand = !m_panelFolded;
    m_ui.Label1->setVisible(expand);
    m_ui.Combo1->setVisible(expand);
    m_ui.List1->setVisible(expand);
    m_ui.Label2->hide();
    m_ui.Command1->setText(expand ? u"\u00ab"_s : u"\u00bb"_s);
    m_ui.picListPanel->setFixedWidth(
        tirta::ui::twipsToPixels(expand ? kPanelWidthTwips : kFoldedPanelWidthTwips, *this));
}

void Form6::setUpScrollBars()
{
    const QSize picture = m_ui.Picture2->size();
    const QSize viewport = m_ui.Picture1->size();
    // Every new picture and every new size of the viewer starts at the picture's top left corner.
    const auto apply = [](QScrollBar* bar, const collections::ScrollRange& range) {
        bar->setEnabled(range.enabled);
        bar->setRange(0, range.maximum);
        bar->setPageStep(range.pageStep);
        bar->setSingleStep(range.singleStep);
        bar->setValue(0);
    };
    apply(m_ui.VScroll1, collections::scrollRange(picture.height(), viewport.height()));
    apply(m_ui.HScroll1, collections::scrollRange(picture.width(), viewport.width()));
    placePicture();
}

void Form6::placePicture()
{
    m_ui.Picture2->move(-m_ui.HScroll1->value(), -m_ui.VScroll1->value());
}

void Form6::setStatus(const QString& text)
{
    if (QLabel* label = tirta::ui::statusLabel(m_ui.picStatusBar))
        label->setText(text);
}
