#include "messagebox.h"

#include "foundation/version.h"

#include <QAbstractButton>
#include <QQueue>
#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace tirta::ui {

namespace {

struct Seam
{
    QQueue<QMessageBox::StandardButton> answers;
    QString lastText;
    QString lastTitle;
    int shownCount = 0;
};

Seam& seam()
{
    static Seam state;
    return state;
}

QString effectiveTitle(const QString& title)
{
    return title.isEmpty() ? QString(tirta::kProductName) : title;
}

// The order in which the first present button becomes the default, as the classic message box did.
constexpr QMessageBox::StandardButton kDefaultOrder[] = {
    QMessageBox::Ok,
    QMessageBox::Yes,
    QMessageBox::Abort,
    QMessageBox::Retry,
    QMessageBox::Ignore,
    QMessageBox::No,
    QMessageBox::Cancel,
    QMessageBox::Close,
};

} // namespace

QString MessageBox::buttonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return u"OK"_s;
    case QMessageBox::Cancel:
        return u"Batal"_s;
    case QMessageBox::Yes:
        return u"Ya"_s;
    case QMessageBox::No:
        return u"Tidak"_s;
    case QMessageBox::Close:
        return u"Tutup"_s;
    case QMessageBox::Abort:
        return u"Batalkan"_s;
    case QMessageBox::Retry:
        return u"Coba Lagi"_s;
    case QMessageBox::Ignore:
        return u"Abaikan"_s;
    case QMessageBox::Save:
        return u"Simpan"_s;
    case QMessageBox::Open:
        return u"Buka"_s;
    case QMessageBox::YesToAll:
        return u"Ya untuk Semua"_s;
    case QMessageBox::NoToAll:
        return u"Tidak untuk Semua"_s;
    case QMessageBox::Discard:
        return u"Buang"_s;
    case QMessageBox::Help:
        // The program calls its help "Panduan" ("Panduan Program").
        return u"Panduan"_s;
    case QMessageBox::Apply:
        return u"Terapkan"_s;
    default:
        return {};
    }
}

QMessageBox::StandardButton MessageBox::defaultButtonFor(QMessageBox::StandardButtons buttons)
{
    for (const QMessageBox::StandardButton button : kDefaultOrder) {
        if (buttons.testFlag(button))
            return button;
    }
    return QMessageBox::NoButton;
}

std::unique_ptr<QMessageBox> MessageBox::create(QWidget* parent, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon, const QString& title)
{
    auto box = std::make_unique<QMessageBox>(icon, effectiveTitle(title), text, buttons, parent);
    // The words are set on each button rather than left to a translator, so a message reads the
    // same whether or not the application installed one.
    for (QAbstractButton* button : box->buttons()) {
        const QString word = buttonText(box->standardButton(button));
        if (!word.isEmpty())
            button->setText(word);
    }
    const QMessageBox::StandardButton preferred = defaultButtonFor(buttons);
    if (preferred != QMessageBox::NoButton)
        box->setDefaultButton(preferred);
    // A help button is no answer: ESC still gives the default one.
    if (buttons.testFlag(QMessageBox::Help) && preferred != QMessageBox::NoButton)
        box->setEscapeButton(preferred);
    return box;
}

QMessageBox::StandardButton MessageBox::show(QWidget* parent, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon, const QString& title)
{
    Seam& state = seam();
    state.lastText = text;
    state.lastTitle = effectiveTitle(title);
    ++state.shownCount;

    if (!state.answers.isEmpty()) {
        const QMessageBox::StandardButton answer = state.answers.dequeue();
        if (!buttons.testFlag(answer))
            qWarning("MessageBox: queued answer %#x is not among the buttons %#x of \"%s\"", unsigned(answer),
                unsigned(buttons.toInt()), qUtf8Printable(text));
        return answer;
    }
    if (qEnvironmentVariableIntValue("TIRTA_NO_MODAL") == 1) {
        qWarning(
            "MessageBox: no queued answer for \"%s\"; returning the default button", qUtf8Printable(text));
        return defaultButtonFor(buttons);
    }

    const std::unique_ptr<QMessageBox> box = create(parent, text, buttons, icon, title);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

void MessageBox::info(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, text, QMessageBox::Ok, QMessageBox::Information, title);
}

void MessageBox::warning(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, text, QMessageBox::Ok, QMessageBox::Warning, title);
}

void MessageBox::critical(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, text, QMessageBox::Ok, QMessageBox::Critical, title);
}

QMessageBox::StandardButton MessageBox::question(
    QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons, const QString& title)
{
    return show(parent, text, buttons, QMessageBox::Question, title);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    seam().answers.enqueue(answer);
}

QString MessageBox::lastText()
{
    return seam().lastText;
}

QString MessageBox::lastTitle()
{
    return seam().lastTitle;
}

int MessageBox::shownCount()
{
    return seam().shownCount;
}

int MessageBox::pendingAnswers()
{
    return int(seam().answers.size());
}

void MessageBox::resetForTest()
{
    seam() = Seam {};
}

} // namespace tirta::ui
