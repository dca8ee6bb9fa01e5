#include "support/testenv.h"
#include "uikit/filedialog.h"

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

using namespace Qt::StringLiterals;
using tirta::ui::FileDialog;

namespace {

// What a shown file dialog looked like, read while it is open.
struct Seen
{
    bool shown = false;
    QString title;
    QStringList labels;
    QStringList buttons;
    bool native = true;
};

// Reads the first file dialog that becomes the modal widget, then types `answer` and accepts it
// (or rejects the dialog when `answer` is empty).
void answerNextDialog(QObject* context, Seen& seen, const QString& answer)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, &seen, answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        seen.shown = true;
        seen.title = dialog->windowTitle();
        seen.native = dialog->testOption(QFileDialog::DontUseNativeDialog) == false;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            seen.labels << label->text();
        for (const QPushButton* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
            seen.buttons << button->text();
        if (answer.isEmpty()) {
            dialog->reject();
            return;
        }
        // The dialog checks a typed name before it accepts it, so go through the name box.
        dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(answer);
        static_cast<QDialog*>(dialog)->accept(); // runs QFileDialog::accept(), which checks the name
    });
    timer->start(0);
}

} // namespace

class TestFileDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { FileDialog::resetForTest(); }

    void queuedNamesAreReturnedInOrderWithoutADialog();
    void emptyQueuedNameMeansCancelled();
    void unqueuedOpenShowsIndonesianLabels();
    void unqueuedSaveAcceptsATypedName();
    void unqueuedDirectoryIsCancelled();
    void unqueuedCallUnderNoModalIsCancelled();
};

void TestFileDialog::queuedNamesAreReturnedInOrderWithoutADialog()
{
    FileDialog::setNextFileName(u"/data/satu.rtf"_s);
    FileDialog::setNextFileName(u"/data/dua"_s);
    QCOMPARE(FileDialog::getSaveFileName(nullptr, u"Simpan ClipBook"_s), u"/data/satu.rtf"_s);
    QCOMPARE(FileDialog::lastCaption(), u"Simpan ClipBook"_s);
    QCOMPARE(FileDialog::getExistingDirectory(nullptr), u"/data/dua"_s);
    QCOMPARE(FileDialog::lastCaption(), u"Pilih Folder"_s);
    QCOMPARE(FileDialog::shownCount(), 2);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFileDialog::emptyQueuedNameMeansCancelled()
{
    FileDialog::setNextFileName({});
    QVERIFY(FileDialog::getOpenFileName(nullptr, u"Buka File"_s).isEmpty());
    QCOMPARE(FileDialog::lastCaption(), u"Buka File"_s);
    QCOMPARE(FileDialog::shownCount(), 1);
}

void TestFileDialog::unqueuedOpenShowsIndonesianLabels()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"ayat.txt"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    Seen seen;
    answerNextDialog(this, seen, path);
    QString filter = u"Teks (*.txt)"_s;
    const QString chosen
        = FileDialog::getOpenFileName(nullptr, {}, dir.path(), u"Teks (*.txt);;Semua File (*)"_s, &filter);

    QVERIFY(seen.shown);
    QVERIFY(!seen.native);
    QCOMPARE(seen.title, u"Buka"_s);
    QVERIFY2(seen.labels.contains(u"Lihat di:"_s), qPrintable(seen.labels.join(u'|')));
    QVERIFY2(seen.labels.contains(u"Nama file:"_s), qPrintable(seen.labels.join(u'|')));
    QVERIFY2(seen.labels.contains(u"Jenis file:"_s), qPrintable(seen.labels.join(u'|')));
    QVERIFY2(seen.buttons.contains(u"Buka"_s), qPrintable(seen.buttons.join(u'|')));
    QVERIFY2(seen.buttons.contains(u"Batal"_s), qPrintable(seen.buttons.join(u'|')));
    QCOMPARE(chosen, path);
    QCOMPARE(filter, u"Teks (*.txt)"_s);
}

void TestFileDialog::unqueuedSaveAcceptsATypedName()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"clipbook.rtf"_s);

    Seen seen;
    answerNextDialog(this, seen, path);
    const QString chosen = FileDialog::getSaveFileName(nullptr, u"Simpan Hasil"_s, dir.path());

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, u"Simpan Hasil"_s);
    QVERIFY2(seen.buttons.contains(u"Simpan"_s), qPrintable(seen.buttons.join(u'|')));
    QVERIFY2(seen.buttons.contains(u"Batal"_s), qPrintable(seen.buttons.join(u'|')));
    QCOMPARE(chosen, path);
    QCOMPARE(FileDialog::lastCaption(), u"Simpan Hasil"_s);
}

void TestFileDialog::unqueuedDirectoryIsCancelled()
{
    Seen seen;
    answerNextDialog(this, seen, {});
    const QString chosen = FileDialog::getExistingDirectory(nullptr, u"Lokasi Data"_s);
    QVERIFY(seen.shown);
    QVERIFY2(seen.buttons.contains(u"Pilih"_s), qPrintable(seen.buttons.join(u'|')));
    QVERIFY(chosen.isEmpty());
}

void TestFileDialog::unqueuedCallUnderNoModalIsCancelled()
{
    qputenv("TIRTA_NO_MODAL", "1");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"no queued file name for \"Buka\""_s));
    const QString chosen = FileDialog::getOpenFileName(nullptr);
    qunsetenv("TIRTA_NO_MODAL");
    QVERIFY(chosen.isEmpty());
    QCOMPARE(FileDialog::shownCount(), 1);
}

TIRTA_TEST_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
