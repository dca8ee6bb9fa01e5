#include "splash.h"

#include "foundation/version.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(u"frmSplash"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    m_label = new QLabel(QLatin1StringView(tirta::kProductName), this);
    m_label->setObjectName(u"lblProductName"_s);
    QFont big = m_label->font();
    big.setPointSize(28);
    big.setBold(true);
    m_label->setFont(big);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->installEventFilter(this);
    m_version = new QLabel(u"Version "_s + tirta::versionNumbers(), this);
    m_version->setObjectName(u"lblVersion"_s);
    m_version->setAlignment(Qt::AlignCenter);
    m_credits = new QLabel(tr("Dikembangkan oleh tim Tirtamaya dari teks Alkitab milik umum."), this);
    m_credits->setObjectName(u"lblCredits"_s);
    m_credits->setAlignment(Qt::AlignCenter);
    m_credits->hide();
    layout->addWidget(m_label);
    layout->addWidget(m_version);
    layout->addWidget(m_credits);
    setStyleSheet(u"Splash { background: #f4f1e8; border: 1px solid #7a6a4f; }"_s);
    setAttribute(Qt::WA_StyledBackground);

    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Splash::Timer_Tick);
}

void Splash::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    close();
}

bool Splash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease)
        Label_Click();
    return QWidget::eventFilter(watched, event);
}

void Splash::Label_Click()
{
    m_credits->show();
    m_ticks = 0;
    m_timer->start();
}

void Splash::Timer_Tick()
{
    if (++m_ticks >= 9) {
        m_timer->stop();
        close();
    }
}
