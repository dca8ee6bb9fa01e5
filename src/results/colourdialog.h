#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace tirta::results {

/// The colour dialog of the results window, with the same kind of test seam as the program's message
/// box and file dialogs: a queued answer is returned without showing anything.
class ColourDialog
{
public:
    /// Asks for a colour, starting from `initial`; an invalid colour when cancelled.
    static QColor getColour(QWidget* parent, const QColor& initial, const QString& title = {});

    /// Test seam: queues the answer of the next dialog (an invalid colour = cancelled).
    static void setNextColour(const QColor& colour);
    /// Test seam: how many dialogs were asked for since the last reset.
    static int shownCount();
    /// Test seam: forgets queued answers and the count.
    static void resetForTest();
};

} // namespace tirta::results
