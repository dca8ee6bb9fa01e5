#include "fontdialog.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QQueue>

#include <variant>

namespace tirta::ui {

namespace {

struct Seam
{
    QQueue<std::variant<FontDialog::Answer, QFont>> answers;
    QFont lastStartingFont;
};

Seam& seam()
{
    static Seam state;
    return state;
}

} // namespace

QFont FontDialog::startingFont(const QFont& current)
{
    QFont start = current;
    start.setFamilies({ QFontInfo(current).family() });
    start.setStyleName({});
    return start;
}

std::optional<QFont> FontDialog::getFont(QWidget* parent, const QFont& current, const QString& caption)
{
    Seam& state = seam();
    const QFont start = startingFont(current);
    state.lastStartingFont = start;
    if (!state.answers.isEmpty()) {
        const auto answer = state.answers.dequeue();
        if (const QFont* chosen = std::get_if<QFont>(&answer))
            return *chosen;
        if (std::get<Answer>(answer) == Answer::AcceptShown)
            return start;
        return std::nullopt;
    }
    if (qEnvironmentVariableIntValue("TIRTA_NO_MODAL") == 1) {
        qWarning(
            "FontDialog: no queued answer for \"%s\"; treating it as cancelled", qUtf8Printable(caption));
        return std::nullopt;
    }
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, parent, caption, QFontDialog::DontUseNativeDialog);
    return ok ? std::optional<QFont>(chosen) : std::nullopt;
}

void FontDialog::setNextAnswer(Answer answer)
{
    seam().answers.enqueue(answer);
}

void FontDialog::setNextFont(const QFont& chosen)
{
    seam().answers.enqueue(chosen);
}

QFont FontDialog::lastStartingFont()
{
    return seam().lastStartingFont;
}

void FontDialog::resetForTest()
{
    seam() = Seam {};
}

} // namespace tirta::ui
