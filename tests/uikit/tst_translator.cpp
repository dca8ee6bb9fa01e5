#include "support/testenv.h"
#include "uikit/filedialog.h"
#include "uikit/translator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
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

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(u'&');
}

// Every text a user reads on the dialog's labels, buttons, check boxes and group boxes.
QStringList visibleTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << withoutMnemonic(label->text());
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << withoutMnemonic(button->text());
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        texts << withoutMnemonic(box->title());
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TestTranslator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void buttonBoxShowsIndonesianWords_data();
    void buttonBoxShowsIndonesianWords();
    void fontDialogShowsIndonesianWords();
    void colorDialogShowsIndonesianWords();
    void fileDialogShowsIndonesianWords();
    void textContextMenuShowsIndonesianWords_data();
    void textContextMenuShowsIndonesianWords();
    void printDialogShowsIndonesianWords();
    void fileListShowsSizesTypesAndDatesInIndonesian();
    void unknownTextIsLeftToQt();
};

void TestTranslator::initTestCase()
{
    tirta::ui::installIndonesianTranslator(*qApp);
}

void TestTranslator::buttonBoxShowsIndonesianWords_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("word");
    QTest::newRow("ok") << int(QDialogButtonBox::Ok) << u"OK"_s;
    QTest::newRow("cancel") << int(QDialogButtonBox::Cancel) << u"Batal"_s;
    QTest::newRow("yes") << int(QDialogButtonBox::Yes) << u"Ya"_s;
    QTest::newRow("no") << int(QDialogButtonBox::No) << u"Tidak"_s;
    QTest::newRow("close") << int(QDialogButtonBox::Close) << u"Tutup"_s;
    QTest::newRow("apply") << int(QDialogButtonBox::Apply) << u"Terapkan"_s;
    QTest::newRow("reset") << int(QDialogButtonBox::Reset) << u"Atur Ulang"_s;
    QTest::newRow("help") << int(QDialogButtonBox::Help) << u"Bantuan"_s;
    QTest::newRow("save") << int(QDialogButtonBox::Save) << u"Simpan"_s;
    QTest::newRow("open") << int(QDialogButtonBox::Open) << u"Buka"_s;
    QTest::newRow("abort") << int(QDialogButtonBox::Abort) << u"Batalkan"_s;
    QTest::newRow("retry") << int(QDialogButtonBox::Retry) << u"Coba Lagi"_s;
    QTest::newRow("ignore") << int(QDialogButtonBox::Ignore) << u"Abaikan"_s;
    QTest::newRow("discard") << int(QDialogButtonBox::Discard) << u"Buang"_s;
    QTest::newRow("restore defaults") << int(QDialogButtonBox::RestoreDefaults) << u"Kembalikan Bawaan"_s;
}

void TestTranslator::buttonBoxShowsIndonesianWords()
{
    QFETCH(int, button);
    QFETCH(QString, word);
    const auto standard = static_cast<QDialogButtonBox::StandardButton>(button);
    QDialogButtonBox box(standard);
    QCOMPARE(withoutMnemonic(box.button(standard)->text()), word);
}

void TestTranslator::fontDialogShowsIndonesianWords()
{
    QFontDialog dialog;
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList texts = visibleTexts(dialog);
    for (const QString& english : { u"Font style"_s, u"Size"_s, u"Effects"_s, u"Strikeout"_s, u"Underline"_s,
             u"Sample"_s, u"Writing System"_s, u"Cancel"_s })
        QVERIFY2(!texts.contains(english), qPrintable(english + u" in "_s + texts.join(u'|')));
    for (const QString& indonesian : { u"Gaya font"_s, u"Ukuran"_s, u"Efek"_s, u"Coret"_s, u"Garis bawah"_s,
             u"Contoh"_s, u"Sistem Tulisan"_s, u"Batal"_s })
        QVERIFY2(texts.contains(indonesian), qPrintable(indonesian + u" not in "_s + texts.join(u'|')));
    QCOMPARE(dialog.windowTitle(), u"Pilih Font"_s);
}

void TestTranslator::colorDialogShowsIndonesianWords()
{
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setOption(QColorDialog::ShowAlphaChannel);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList texts = visibleTexts(dialog);
    for (const QString& english :
        { u"Basic colors"_s, u"Custom colors"_s, u"Add to Custom Colors"_s, u"Pick Screen Color"_s, u"Hue:"_s,
            u"Sat:"_s, u"Val:"_s, u"Red:"_s, u"Green:"_s, u"Blue:"_s, u"Alpha channel:"_s })
        QVERIFY2(!texts.contains(english), qPrintable(english + u" in "_s + texts.join(u'|')));
    for (const QString& indonesian : { u"Warna dasar"_s, u"Warna khusus"_s, u"Tambahkan ke Warna Khusus"_s,
             u"Merah:"_s, u"Hijau:"_s, u"Biru:"_s, u"Kanal alfa:"_s })
        QVERIFY2(texts.contains(indonesian), qPrintable(indonesian + u" not in "_s + texts.join(u'|')));
}

void TestTranslator::fileDialogShowsIndonesianWords()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList texts = visibleTexts(dialog);
    for (const QString& english :
        { u"Look in:"_s, u"File name:"_s, u"Files of type:"_s, u"Open"_s, u"Cancel"_s })
        QVERIFY2(!texts.contains(english), qPrintable(english + u" in "_s + texts.join(u'|')));
    for (const QString& indonesian :
        { u"Lihat di:"_s, u"Nama file:"_s, u"Jenis file:"_s, u"Buka"_s, u"Batal"_s })
        QVERIFY2(texts.contains(indonesian), qPrintable(indonesian + u" not in "_s + texts.join(u'|')));
}

void TestTranslator::textContextMenuShowsIndonesianWords_data()
{
    QTest::addColumn<bool>("lineEdit");
    QTest::newRow("line edit") << true;
    QTest::newRow("text edit") << false;
}

void TestTranslator::textContextMenuShowsIndonesianWords()
{
    QFETCH(bool, lineEdit);
    QLineEdit line(u"kasih"_s);
    QTextEdit text(u"kasih"_s);
    // The menu is a child of its text field, but the caller owns it; it goes before the field.
    std::unique_ptr<QMenu> menu;
    menu.reset(lineEdit ? line.createStandardContextMenu() : text.createStandardContextMenu());
    QStringList words;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            words << withoutMnemonic(action->text().section(u'\t', 0, 0));
    }
    const QStringList expected
        = { u"Urungkan"_s, u"Ulangi"_s, u"Potong"_s, u"Salin"_s, u"Tempel"_s, u"Hapus"_s, u"Pilih Semua"_s };
    for (const QString& word : expected)
        QVERIFY2(words.contains(word), qPrintable(word + u" not in "_s + words.join(u'|')));
}

void TestTranslator::printDialogShowsIndonesianWords()
{
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList texts = visibleTexts(dialog);
    for (const QString& english :
        { u"Print range"_s, u"Print all"_s, u"Copies:"_s, u"Options"_s, u"Cancel"_s })
        QVERIFY2(!texts.contains(english), qPrintable(english + u" in "_s + texts.join(u'|')));
    for (const QString& indonesian : { u"Rentang cetak"_s, u"Cetak semua"_s, u"Salinan:"_s, u"Batal"_s })
        QVERIFY2(texts.contains(indonesian), qPrintable(indonesian + u" not in "_s + texts.join(u'|')));
    QCOMPARE(dialog.windowTitle(), u"Cetak"_s);
}

void TestTranslator::fileListShowsSizesTypesAndDatesInIndonesian()
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
        const QModelIndexList found
            = list->match(list->index(0, 0, dialog.findChild<QTreeView*>()->rootIndex()), Qt::DisplayRole,
                u"catatan.txt"_s, 1, Qt::MatchExactly);
        return found.value(0);
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

void TestTranslator::unknownTextIsLeftToQt()
{
    tirta::ui::IndonesianTranslator translator;
    QVERIFY(translator.translate("QFileDialog", "Kata yang dicari terlalu pendek").isNull());
    QCOMPARE(translator.translate("QFontDatabase", "Bold"), u"Tebal"_s);
    QCOMPARE(QCoreApplication::translate("Form1", "Cari Semua"), u"Cari Semua"_s);
}

TIRTA_TEST_MAIN(TestTranslator)
#include "tst_translator.moc"
