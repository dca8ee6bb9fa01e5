#include "dockedparts.h"

#include "uikit/reader.h"
#include "uikit/statusstrip.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace tirta::study {

QStatusBar* addStatusStrip(QWidget* window, QBoxLayout* layout)
{
    auto* strip = new QStatusBar(window);
    strip->setObjectName(u"picStatusBar"_s);
    strip->setSizeGripEnabled(false);
    tirta::ui::statusLabel(strip);
    layout->addWidget(strip);
    return strip;
}

void drawStatusStrip(QStatusBar* strip, tirta::ui::Reader& reader)
{
    QWidget* main = reader.mainWindow();
    tirta::ui::drawSharedStatus(
        strip, main->findChild<QWidget*>(u"picStatusBar"_s), main->findChild<QLabel*>(u"labelStatus"_s));
}

std::array<QRadioButton*, 3> addSectionOptions(QWidget* strip, const std::array<const char*, 3>& names)
{
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    const char* captions[] = { QT_TRANSLATE_NOOP("Form8", "Pengantar"),
        QT_TRANSLATE_NOOP("Form8", "Ciri Khas"), QT_TRANSLATE_NOOP("Form8", "Survai") };
    std::array<QRadioButton*, 3> buttons {};
    for (size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new QRadioButton(QCoreApplication::translate("Form8", captions[i]), strip);
        buttons[i]->setObjectName(QLatin1StringView(names[i]));
        row->addWidget(buttons[i]);
    }
    row->addStretch();
    return buttons;
}

} // namespace tirta::study
