#include "statusstrip.h"

#include "foundation/version.h"

#include <QLabel>
#include <QPalette>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace tirta::ui {

namespace {
const QString kLabelName = u"labelStatus"_s;
} // namespace

QString sharedStatusText()
{
    return QString(tirta::kProductName) + u" versi "_s + tirta::versionNumbers();
}

QString mainStatusIdleText()
{
    return u"Program "_s + QString(tirta::kProductName) + u' ' + tirta::versionText();
}

QLabel* statusLabel(QStatusBar* bar)
{
    if (!bar)
        return nullptr;
    if (auto* existing = bar->findChild<QLabel*>(kLabelName, Qt::FindDirectChildrenOnly))
        return existing;
    auto* label = new QLabel(bar);
    label->setObjectName(kLabelName);
    bar->addWidget(label, 1);
    return label;
}

QStatusBar* createStatusStrip(QWidget* window)
{
    auto* strip = new QStatusBar(window);
    strip->setObjectName(u"picStatusBar"_s);
    strip->setSizeGripEnabled(false);
    statusLabel(strip);
    return strip;
}

void drawSharedStatus(QStatusBar* bar, const QWidget* mainStrip, const QLabel* mainLabel)
{
    QLabel* label = statusLabel(bar);
    if (!label)
        return;
    label->setText(sharedStatusText());

    if (mainStrip) {
        QPalette palette = bar->palette();
        palette.setBrush(QPalette::Window, mainStrip->palette().brush(QPalette::Window));
        bar->setPalette(palette);
        bar->setAutoFillBackground(mainStrip->autoFillBackground());
    }
    if (mainLabel) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, mainLabel->palette().color(QPalette::WindowText));
        label->setPalette(palette);
        QFont font = label->font();
        font.setBold(mainLabel->font().bold());
        label->setFont(font);
    }
}

void drawSharedStatusOf(QStatusBar* bar, const QWidget* mainWindow)
{
    // Only the main window's own strip: the secondary windows, its children, have one of that name too.
    const auto* mainStrip = mainWindow
        ? mainWindow->findChild<QStatusBar*>(u"picStatusBar"_s, Qt::FindDirectChildrenOnly)
        : nullptr;
    const auto* mainLabel
        = mainStrip ? mainStrip->findChild<QLabel*>(kLabelName, Qt::FindDirectChildrenOnly) : nullptr;
    drawSharedStatus(bar, mainStrip, mainLabel);
}

} // namespace tirta::ui
