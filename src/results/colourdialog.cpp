#include "colourdialog.h"

#include <QColorDialog>
#include <QQueue>

using namespace Qt::StringLiterals;

namespace tirta::results {

namespace {

struct Seam
{
    QQueue<QColor> answers;
    int shownCount = 0;
};

Seam& seam()
{
    static Seam state;
    return state;
}

} // namespace

QColor ColourDialog::getColour(QWidget* parent, const QColor& initial, const QString& title)
{
    Seam& state = seam();
    ++state.shownCount;
    if (!state.answers.isEmpty())
        return state.answers.dequeue();
    if (qEnvironmentVariableIntValue("TIRTA_NO_MODAL") == 1) {
        qWarning("ColourDialog: no queued colour; treating it as cancelled");
        return {};
    }
    QColorDialog dialog(initial, parent);
    dialog.setWindowTitle(title.isEmpty() ? u"Pilih Warna"_s : title);
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedColor();
}

void ColourDialog::setNextColour(const QColor& colour)
{
    seam().answers.enqueue(colour);
}

int ColourDialog::shownCount()
{
    return seam().shownCount;
}

void ColourDialog::resetForTest()
{
    seam() = Seam {};
}

} // namespace tirta::results
