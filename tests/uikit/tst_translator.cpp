#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/translator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(u'&');
}

// Shows `dialog` and checks the texts a user reads on its labels, buttons, check boxes and group
// boxes: none of the `english` words is left, each of the `indonesian` ones is there.
void verifyIndonesianWords(QWidget& dialog, const QStringList& english, const QStringList& indonesian)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << withoutMnemonic(label->text());
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << withoutMnemonic(button->text());
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        texts << withoutMnemonic(box->title());
    for (const QString& word : english)
        QVERIFY2(!texts.contains(word), qPrintable(word + u" in "_s + texts.join(u'|')));
    for (const QString& word : indonesian)
        QVERIFY2(texts.contains(word), qPrintable(word + u" not in "_s + texts.join(u'|')));
}

} // namespace

class TestTranslator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { tirta::ui::installIndonesianTranslator(*qApp); }

    void buttonBoxShowsIndonesianWords()
    {
        const std::pair<QDialogButtonBox::StandardButton, QString> words[]
            = { { QDialogButtonBox::Ok, u"OK"_s }, { QDialogButtonBox::Cancel, u"Batal"_s },
                  { QDialogButtonBox::Yes, u"Ya"_s }, { QDialogButtonBox::No, u"Tidak"_s },
                  { QDialogButtonBox::Close, u"Tutup"_s }, { QDialogButtonBox::Apply, u"Terapkan"_s },
                  { QDialogButtonBox::Reset, u"Atur Ulang"_s }, { QDialogButtonBox::Help, u"Bantuan"_s },
                  { QDialogButtonBox::Save, u"Simpan"_s }, { QDialogButtonBox::Open, u"Buka"_s },
                  { QDialogButtonBox::Abort, u"Batalkan"_s }, { QDialogButtonBox::Retry, u"Coba Lagi"_s },
                  { QDialogButtonBox::Ignore, u"Abaikan"_s }, { QDialogButtonBox::Discard, u"Buang"_s },
                  { QDialogButtonBox::RestoreDefaults, u"Kembalikan Bawaan"_s } };
        for (const auto& [button, word] : words) {
            QDialogButtonBox box(button);
            QCOMPARE(withoutMnemonic(box.button(button)->text()), word);
        }
    }

    void fontDialogShowsIndonesianWords()
    {
        QFontDialog dialog;
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        verifyIndonesianWords(dialog,
            { u"Font style"_s, u"Size"_s, u"Effects"_s, u"Strikeout"_s, u"Underline"_s, u"Sample"_s,
                u"Writing System"_s, u"Cancel"_s },
            { u"Gaya font"_s, u"Ukuran"_s, u"Efek"_s, u"Coret"_s, u"Garis bawah"_s, u"Contoh"_s,
                u"Sistem Tulisan"_s, u"Batal"_s });
        QCOMPARE(dialog.windowTitle(), u"Pilih Font"_s);
    }

    void colorDialogShowsIndonesianWords()
    {
        QColorDialog dialog;
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        dialog.setOption(QColorDialog::ShowAlphaChannel);
        verifyIndonesianWords(dialog,
            { u"Basic colors"_s, u"Custom colors"_s, u"Add to Custom Colors"_s, u"Pick Screen Color"_s,
                u"Hue:"_s, u"Sat:"_s, u"Val:"_s, u"Red:"_s, u"Green:"_s, u"Blue:"_s, u"Alpha channel:"_s },
            { u"Warna dasar"_s, u"Warna khusus"_s, u"Tambahkan ke Warna Khusus"_s, u"Merah:"_s, u"Hijau:"_s,
                u"Biru:"_s, u"Kanal alfa:"_s });
    }

    void fileDialogShowsIndonesianWords()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        verifyIndonesianWords(dialog,
            { u"Look in:"_s, u"File name:"_s, u"Files of type:"_s, u"Open"_s, u"Cancel"_s },
            { u"Lihat di:"_s, u"Nama file:"_s, u"Jenis file:"_s, u"Buka"_s, u"Batal"_s });
    }

    void printDialogShowsIndonesianWords()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        verifyIndonesianWords(dialog,
            { u"Print range"_s, u"Print all"_s, u"Copies:"_s, u"Options"_s, u"Cancel"_s },
            { u"Rentang cetak"_s, u"Cetak semua"_s, u"Salinan:"_s, u"Batal"_s });
        QCOMPARE(dialog.windowTitle(), u"Cetak"_s);
    }

    void textContextMenusShowIndonesianWords()
    {
        QLineEdit line(u"kasih"_s);
        QTextEdit text(u"kasih"_s);
        // Each menu is a child of its text field, which deletes it.
        for (const QMenu* menu : { line.createStandardContextMenu(), text.createStandardContextMenu() }) {
            QStringList words;
            for (const QAction* action : menu->actions())
                words << withoutMnemonic(action->text().section(u'\t', 0, 0));
            for (const QString& word : { u"Urungkan"_s, u"Ulangi"_s, u"Potong"_s, u"Salin"_s, u"Tempel"_s,
                     u"Hapus"_s, u"Pilih Semua"_s })
                QVERIFY2(words.contains(word), qPrintable(word + u" not in "_s + words.join(u'|')));
        }
    }

    void fileListShowsSizesTypesAndDatesInIndonesian()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(u"catatan.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2000, 'a'));
        file.close();
        QFileDialog dialog;
        tirta::ui::FileDialog::applyIndonesianLabels(dialog);
        dialog.setViewMode(QFileDialog::Detail);
        dialog.setDirectory(folder.path());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QAbstractItemModel* list = dialog.proxyModel();
        QVERIFY(list);
        const auto row = [&] {
            const QModelIndex top = list->index(0, 0, dialog.findChild<QTreeView*>()->rootIndex());
            return list->match(top, Qt::DisplayRole, u"catatan.txt"_s, 1, Qt::MatchExactly).value(0);
        };
        QTRY_VERIFY(row().isValid());
        const QModelIndex name = row();
        // The system locale of a test machine is C: "1.95 KiB", "plain text document", "6 Dec 2026".
        QCOMPARE(name.siblingAtColumn(1).data().toString(), u"2,0 kB"_s);
        const QString type = name.siblingAtColumn(2).data().toString();
        QVERIFY2(!type.isEmpty() && type != u"plain text document"_s, qPrintable(type));
        const QString date = name.siblingAtColumn(3).data().toString();
        QVERIFY2(!date.isEmpty() && !date.contains(QRegularExpression(u"[A-Za-z]"_s)), qPrintable(date));
    }

    void unknownTextIsLeftToQt()
    {
        tirta::ui::IndonesianTranslator translator;
        QVERIFY(translator.translate("QFileDialog", "Kata yang dicari terlalu pendek").isNull());
        QCOMPARE(translator.translate("QFontDatabase", "Bold"), u"Tebal"_s);
        QCOMPARE(QCoreApplication::translate("Form1", "Cari Semua"), u"Cari Semua"_s);
    }
};

TIRTA_TEST_MAIN(TestTranslator)
#include "tst_translator.moc"
