#include "form16.h"

#include "uikit/help.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Form16::Form16(QLineEdit* target, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_target(target)
{
    setObjectName(u"Form16"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kQueryLanguage);
    setWindowTitle(tr("Teks Pencarian"));
    auto* layout = new QVBoxLayout(this);
    m_ui.Text1 = new QPlainTextEdit(this);
    m_ui.Text1->setObjectName(u"Text1"_s);
    layout->addWidget(m_ui.Text1, 1);
    // The buttons stay at the bottom whatever the size of the box.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ui.Command1 = new QPushButton(tr("OK"), this);
    m_ui.Command1->setObjectName(u"Command1"_s);
    m_ui.Command2 = new QPushButton(tr("Batal"), this);
    m_ui.Command2->setObjectName(u"Command2"_s);
    buttons->addWidget(m_ui.Command1);
    buttons->addWidget(m_ui.Command2);
    layout->addLayout(buttons);
    resize(420, 180);
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
    connect(m_ui.Command2, &QPushButton::clicked, this, &QWidget::hide);
}

void Form16::openAt(const QPoint& place)
{
    m_ui.Text1->setPlainText(m_target->text());
    move(place);
    show();
    raise();
    activateWindow();
    m_ui.Text1->setFocus();
}

void Form16::Command1_Click()
{
    // The search box holds one line: line breaks become spaces.
    QString text = m_ui.Text1->toPlainText();
    text.replace(u'\n', u' ');
    m_target->setText(text);
    hide();
}

void Form16::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
