#include "form9.h"

#include "foundation/datasession.h"
#include "foundation/safefile.h"
#include "uikit/featurewindow.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/sizing.h"
#include "uikit/widgets.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form9::Form9(tirta::ui::Reader& reader)
    : QWidget(reader.mainWindow(), Qt::Window)
    , m_reader(reader)
{
    setObjectName(u"Form9"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kDictionary);
    setWindowTitle(tr("Kamus Alkitab"));
    buildUi();
    connectSignals();
    Form_Load();
}

void Form9::buildUi()
{
    m_ui.Frame1 = new QGroupBox(this);
    m_ui.Frame1->setObjectName(u"Frame1"_s);
    m_ui.List1 = new QListWidget(m_ui.Frame1);
    m_ui.List1->setObjectName(u"List1"_s);
    m_ui.List1->setUniformItemSizes(true); // thousands of one-line entries
    m_ui.Label1 = new QLabel(tr("Cari"), m_ui.Frame1);
    m_ui.Label1->setObjectName(u"Label1"_s);
    m_ui.Text1 = new QLineEdit(m_ui.Frame1);
    m_ui.Text1->setObjectName(u"Text1"_s);
    m_ui.Label1->setBuddy(m_ui.Text1);
    m_ui.rtf = tirta::ui::createTextView("rtf", m_ui.Frame1);

    auto* search = new QHBoxLayout;
    search->addWidget(m_ui.Label1);
    search->addWidget(m_ui.Text1, 1);
    auto* inside = new QVBoxLayout(m_ui.Frame1);
    inside->addWidget(m_ui.List1, 2);
    inside->addLayout(search);
    inside->addWidget(m_ui.rtf, 3);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_ui.Frame1);
    setMinimumSize(300, 320);
}

void Form9::connectSignals()
{
    connect(m_ui.Text1, &QLineEdit::textChanged, this, &Form9::Text1_Change);
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, &Form9::List1_Click);
}

void Form9::Form_Load()
{
    const int size = tirta::ui::secondaryTextSize(tirta::ui::screenHeightOf(this));
    tirta::ui::applyTextSize({ m_ui.List1, m_ui.Text1, m_ui.rtf }, size);
    const QStringList headwords
        = tirta::study::loadHeadwords(m_reader.session().recordset(tirta::Role::Dictionary));
    m_ui.List1->addItems(headwords);
    m_headwords = tirta::study::HeadwordIndex(headwords);
    m_ui.rtf->clear();
    resize(560, 480);
}

bool Form9::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form9::Form_Activate()
{
    m_ui.Text1->setFocus(Qt::ActiveWindowFocusReason);
    tirta::ui::applyTextFace({ m_ui.List1, m_ui.rtf }, m_reader.readingFont());
}

void Form9::Text1_Change(const QString& text)
{
    const int row = m_headwords.findPrefix(text);
    if (row < 0) {
        // Nothing begins with the text: no headword is selected, the explanation stays.
        m_ui.List1->setCurrentRow(-1);
        m_ui.List1->clearSelection();
        return;
    }
    m_ui.List1->setCurrentRow(row);
}

void Form9::List1_Click(int row)
{
    if (row < 0)
        return;
    const std::optional<QString> explanation = tirta::study::explanationOf(
        m_reader.session().recordset(tirta::Role::Dictionary), m_ui.List1->item(row)->text());
    if (explanation)
        m_ui.rtf->setPlainText(tirta::fromCrLf(*explanation));
}

namespace tirta::study {

void installDictionary(tirta::ui::Reader& reader)
{
    tirta::ui::installFeatureWindow<Form9>(reader, tirta::ui::Feature::Kamus);
}

} // namespace tirta::study
