#include "collectionwindow.h"

#include "uikit/listhovertip.h"
#include "uikit/sizing.h"
#include "uikit/statusstrip.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tirta::collections {

WindowBody createWindowBody(QWidget* window)
{
    WindowBody body;
    body.Frame1 = new QFrame(window);
    body.Frame1->setObjectName(u"Frame1"_s);
    body.Frame1->setFrameShape(QFrame::StyledPanel);
    body.picStatusBar = ui::createStatusStrip(window);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* framed = new QVBoxLayout;
    framed->setContentsMargins(8, 8, 8, 0);
    framed->addWidget(body.Frame1);
    outer->addLayout(framed, 1);
    outer->addWidget(body.picStatusBar);
    // The width follows the controls.
    window->setMinimumHeight(300);
    return body;
}

int sizeListWindow(QWidget* window)
{
    const int screenHeight = ui::screenHeightOf(window);
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 800;
    window->resize(screenWidth * 8 / 10, screenHeight > ui::kTallScreenHeight ? 500 : 400);
    return ui::secondaryTextSize(screenHeight);
}

ui::ListHoverTip* attachHoverTip(QListWidget* list, QLabel* tip, std::initializer_list<QWidget*> hideOver)
{
    auto* hoverTip = new ui::ListHoverTip(list, tip, ui::ListHoverTip::Style::OverRowWhenCut, list);
    for (QWidget* widget : hideOver)
        hoverTip->hideWhenOver(widget);
    return hoverTip;
}

} // namespace tirta::collections
