#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;
using tirta::ui::FileDialog;
using tirta::ui::MessageBox;

namespace {

// Counts the dialogs shown anywhere in the application and rejects each one.
class DialogWatcher : public QObject
{
public:
    DialogWatcher() { qApp->installEventFilter(this); }
    ~DialogWatcher() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched)) {
                ++shown;
                QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

// Hands the first dialog of type T that becomes the modal widget, once shown, to `answer`, which
// reads it and closes it.
template <class T> void answerNextDialog(QObject* context, const std::function<void(T*)>& answer)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(dialog);
    });
    timer->start(0);
}

// What a shown file dialog looked like, read while it is open.
struct Seen
{
    QString title;
    QStringList labels;
    QStringList buttons;
    bool native = true;
};

// Reads the next file dialog, then types `name` and accepts it (or rejects the dialog when `name`
// is empty).
void answerNextFileDialog(QObject* context, Seen& seen, const QString& name)
{
    answerNextDialog<QFileDialog>(context, [&seen, name](QFileDialog* dialog) {
        seen.title = dialog->windowTitle();
        seen.native = dialog->testOption(QFileDialog::DontUseNativeDialog) == false;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            seen.labels << label->text();
        for (const QPushButton* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
            seen.buttons << button->text();
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        // The dialog checks a typed name before it accepts it, so go through the name box.
        dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(name);
        static_cast<QDialog*>(dialog)->accept(); // runs QFileDialog::accept(), which checks the name
    });
}

void verifyContains(const QStringList& texts, const QStringList& expected)
{
    for (const QString& text : expected)
        QVERIFY2(texts.contains(text), qPrintable(text + u" not in "_s + texts.join(u'|')));
}

} // namespace

/// The message boxes and file dialogs of the program: answered from a queue in tests, otherwise
/// real modal dialogs in Indonesian.
class TestDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        MessageBox::resetForTest();
        FileDialog::resetForTest();
    }

    void queuedAnswersAreReturnedInOrderWithoutADialog()
    {
        MessageBox::setNextAnswer(QMessageBox::No);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        FileDialog::setNextFileName(u"/data/satu.rtf"_s);
        FileDialog::setNextFileName(u"/data/dua"_s);
        FileDialog::setNextFileName({}); // cancelled

        // A dialog that shows up while the answers are queued is a fault; it is closed at once so
        // that a broken seam fails the test instead of hanging it.
        DialogWatcher watcher;
        QCOMPARE(MessageBox::question(nullptr, u"Hapus semua penanda?"_s), QMessageBox::No);
        QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s); // an empty title is the product's name
        MessageBox::warning(nullptr, u"Simpan ClipBook?"_s, u"Penanda"_s);
        QCOMPARE(MessageBox::lastText(), u"Simpan ClipBook?"_s);
        QCOMPARE(MessageBox::lastTitle(), u"Penanda"_s);
        QCOMPARE(MessageBox::shownCount(), 2);
        QCOMPARE(MessageBox::pendingAnswers(), 0);

        QCOMPARE(FileDialog::getSaveFileName(nullptr, u"Simpan ClipBook"_s), u"/data/satu.rtf"_s);
        QCOMPARE(FileDialog::lastCaption(), u"Simpan ClipBook"_s);
        QCOMPARE(FileDialog::getExistingDirectory(nullptr), u"/data/dua"_s);
        QCOMPARE(FileDialog::lastCaption(), u"Pilih Folder"_s);
        QVERIFY(FileDialog::getOpenFileName(nullptr, u"Buka File"_s).isEmpty());
        QCOMPARE(FileDialog::lastCaption(), u"Buka File"_s);
        QCOMPARE(FileDialog::shownCount(), 3);
        QCOMPARE(watcher.shown, 0);
    }

    void messageButtonsCarryIndonesianWords()
    {
        const std::pair<QMessageBox::StandardButton, QString> words[] = { { QMessageBox::Ok, u"OK"_s },
            { QMessageBox::Cancel, u"Batal"_s }, { QMessageBox::Yes, u"Ya"_s },
            { QMessageBox::No, u"Tidak"_s }, { QMessageBox::Close, u"Tutup"_s },
            { QMessageBox::Abort, u"Batalkan"_s }, { QMessageBox::Retry, u"Coba Lagi"_s },
            { QMessageBox::Ignore, u"Abaikan"_s }, { QMessageBox::Help, u"Panduan"_s } };
        QMessageBox::StandardButtons all;
        for (const auto& [button, word] : words)
            all |= button;
        // A real box, shown without a modal loop.
        const auto box = MessageBox::create(nullptr, u"Pesan"_s, all);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        for (const auto& [button, word] : words) {
            QVERIFY2(box->button(button) && box->button(button)->isVisible(), qPrintable(word));
            QCOMPARE(box->button(button)->text(), word);
        }
        box->close();
    }

    void defaultButtonIsTheFirstInTheClassicOrder()
    {
        const std::pair<QMessageBox::StandardButtons, QMessageBox::StandardButton> cases[]
            = { { QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok },
                  { QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes },
                  { QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort },
                  { QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry } };
        for (const auto& [buttons, expected] : cases) {
            QCOMPARE(MessageBox::defaultButtonFor(buttons), expected);
            const auto box = MessageBox::create(nullptr, u"Pesan"_s, buttons);
            QCOMPARE(box->defaultButton(), box->button(expected));
        }
    }

    void unqueuedMessageRunsARealModalDialog()
    {
        bool seen = false;
        QString cancelText;
        QString title;
        answerNextDialog<QMessageBox>(this, [&](QMessageBox* box) {
            seen = true;
            title = box->windowTitle();
            cancelText = box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        const QMessageBox::StandardButton answer
            = MessageBox::question(nullptr, u"Lanjutkan pencarian?"_s, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(seen);
        QCOMPARE(answer, QMessageBox::Cancel);
        QCOMPARE(cancelText, u"Batal"_s);
        QCOMPARE(title, u"Tirtamaya"_s);
        QCOMPARE(MessageBox::lastText(), u"Lanjutkan pencarian?"_s);
        QCOMPARE(MessageBox::shownCount(), 1);
    }

    void unqueuedOpenShowsIndonesianLabels()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"ayat.txt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        Seen seen;
        answerNextFileDialog(this, seen, path);
        QString filter = u"Teks (*.txt)"_s;
        const QString chosen = FileDialog::getOpenFileName(
            nullptr, {}, dir.path(), u"Teks (*.txt);;Semua File (*)"_s, &filter);

        QVERIFY(!seen.native);
        QCOMPARE(seen.title, u"Buka"_s);
        verifyContains(seen.labels, { u"Lihat di:"_s, u"Nama file:"_s, u"Jenis file:"_s });
        verifyContains(seen.buttons, { u"Buka"_s, u"Batal"_s });
        QCOMPARE(chosen, path);
        QCOMPARE(filter, u"Teks (*.txt)"_s);
    }

    void unqueuedSaveAcceptsATypedNameAndFolderIsCancelled()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"clipbook.rtf"_s);
        Seen save;
        answerNextFileDialog(this, save, path);
        QCOMPARE(FileDialog::getSaveFileName(nullptr, u"Simpan Hasil"_s, dir.path()), path);
        QCOMPARE(save.title, u"Simpan Hasil"_s);
        verifyContains(save.buttons, { u"Simpan"_s, u"Batal"_s });
        QCOMPARE(FileDialog::lastCaption(), u"Simpan Hasil"_s);

        Seen folder;
        answerNextFileDialog(this, folder, {});
        QVERIFY(FileDialog::getExistingDirectory(nullptr, u"Lokasi Data"_s).isEmpty());
        QCOMPARE(folder.title, u"Lokasi Data"_s);
        verifyContains(folder.buttons, { u"Pilih"_s, u"Batal"_s });
    }

    // Without a queued answer, a message gives its default button and a file dialog is cancelled.
    void unqueuedCallUnderNoModalAnswersAtOnce()
    {
        qputenv("TIRTA_NO_MODAL", "1");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"no queued answer for \"Hapus\\?\""_s));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"no queued file name for \"Buka\""_s));
        const QMessageBox::StandardButton answer
            = MessageBox::show(nullptr, u"Hapus?"_s, QMessageBox::Retry | QMessageBox::Cancel);
        const QString chosen = FileDialog::getOpenFileName(nullptr);
        qunsetenv("TIRTA_NO_MODAL");
        QCOMPARE(answer, QMessageBox::Retry);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(MessageBox::shownCount(), 1);
        QCOMPARE(FileDialog::shownCount(), 1);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

TIRTA_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
