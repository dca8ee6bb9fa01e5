#include "support/testenv.h"
#include "uikit/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
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

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { MessageBox::resetForTest(); }

    void queuedAnswersAreReturnedInOrderWithoutADialog();
    void emptyTitleBecomesTheProductName();
    void resetForgetsQueueTextAndCount();
    void buttonsCarryIndonesianWords_data();
    void buttonsCarryIndonesianWords();
    void defaultButtonIsTheFirstInTheClassicOrder_data();
    void defaultButtonIsTheFirstInTheClassicOrder();
    void unqueuedCallRunsARealModalDialog();
    void unqueuedCallUnderNoModalReturnsTheDefault();
};

void TestMessageBox::queuedAnswersAreReturnedInOrderWithoutADialog()
{
    MessageBox::setNextAnswer(QMessageBox::No);
    MessageBox::setNextAnswer(QMessageBox::Yes);

    // A dialog that shows up while the answers are queued is a fault; it is closed at once so
    // that a broken seam fails the test instead of hanging it.
    DialogWatcher watcher;
    QCOMPARE(MessageBox::question(nullptr, u"Hapus semua penanda?"_s), QMessageBox::No);
    QCOMPARE(MessageBox::question(nullptr, u"Simpan ClipBook?"_s), QMessageBox::Yes);
    QCOMPARE(MessageBox::lastText(), u"Simpan ClipBook?"_s);
    QCOMPARE(MessageBox::shownCount(), 2);
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(watcher.shown, 0);
}

void TestMessageBox::emptyTitleBecomesTheProductName()
{
    MessageBox::setNextAnswer(QMessageBox::Ok);
    MessageBox::info(nullptr, u"Kata yang dicari terlalu pendek"_s);
    QCOMPARE(MessageBox::lastTitle(), u"Tirtamaya"_s);

    MessageBox::setNextAnswer(QMessageBox::Ok);
    MessageBox::warning(nullptr, u"x"_s, u"Penanda"_s);
    QCOMPARE(MessageBox::lastTitle(), u"Penanda"_s);

    const auto box = MessageBox::create(nullptr, u"Teks"_s);
    QCOMPARE(box->windowTitle(), u"Tirtamaya"_s);
    QCOMPARE(box->text(), u"Teks"_s);
}

void TestMessageBox::resetForgetsQueueTextAndCount()
{
    MessageBox::setNextAnswer(QMessageBox::Ok);
    MessageBox::setNextAnswer(QMessageBox::Cancel);
    MessageBox::info(nullptr, u"satu"_s);
    MessageBox::resetForTest();
    QCOMPARE(MessageBox::pendingAnswers(), 0);
    QCOMPARE(MessageBox::shownCount(), 0);
    QVERIFY(MessageBox::lastText().isEmpty());
    QVERIFY(MessageBox::lastTitle().isEmpty());
}

void TestMessageBox::buttonsCarryIndonesianWords_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("word");
    QTest::newRow("ok") << int(QMessageBox::Ok) << u"OK"_s;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << u"Batal"_s;
    QTest::newRow("yes") << int(QMessageBox::Yes) << u"Ya"_s;
    QTest::newRow("no") << int(QMessageBox::No) << u"Tidak"_s;
    QTest::newRow("close") << int(QMessageBox::Close) << u"Tutup"_s;
    QTest::newRow("abort") << int(QMessageBox::Abort) << u"Batalkan"_s;
    QTest::newRow("retry") << int(QMessageBox::Retry) << u"Coba Lagi"_s;
    QTest::newRow("ignore") << int(QMessageBox::Ignore) << u"Abaikan"_s;
    QTest::newRow("help") << int(QMessageBox::Help) << u"Panduan"_s;
}

void TestMessageBox::buttonsCarryIndonesianWords()
{
    QFETCH(int, button);
    QFETCH(QString, word);
    const auto standard = static_cast<QMessageBox::StandardButton>(button);

    // A real box, shown without a modal loop, with the button among others.
    const auto box = MessageBox::create(nullptr, u"Pesan"_s, standard | QMessageBox::Help);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QAbstractButton* shown = box->button(standard);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), word);
    box->close();
}

void TestMessageBox::defaultButtonIsTheFirstInTheClassicOrder_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expected");
    QTest::newRow("ok cancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Ok);
    QTest::newRow("yes no") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes);
    QTest::newRow("yes no cancel") << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                   << int(QMessageBox::Yes);
    QTest::newRow("abort retry ignore")
        << int(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore) << int(QMessageBox::Abort);
    QTest::newRow("retry cancel") << int(QMessageBox::Retry | QMessageBox::Cancel) << int(QMessageBox::Retry);
}

void TestMessageBox::defaultButtonIsTheFirstInTheClassicOrder()
{
    QFETCH(int, buttons);
    QFETCH(int, expected);
    const QMessageBox::StandardButtons set(buttons);
    QCOMPARE(int(MessageBox::defaultButtonFor(set)), expected);
    const auto box = MessageBox::create(nullptr, u"Pesan"_s, set);
    QCOMPARE(box->defaultButton(), box->button(static_cast<QMessageBox::StandardButton>(expected)));
}

void TestMessageBox::unqueuedCallRunsARealModalDialog()
{
    QMessageBox* seen = nullptr;
    QString cancelText;
    QString title;
    QTimer clicker;
    connect(&clicker, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        clicker.stop();
        seen = box;
        title = box->windowTitle();
        cancelText = box->button(QMessageBox::Cancel)->text();
        box->button(QMessageBox::Cancel)->click();
    });
    clicker.start(0);

    const QMessageBox::StandardButton answer
        = MessageBox::question(nullptr, u"Lanjutkan pencarian?"_s, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(seen);
    QCOMPARE(answer, QMessageBox::Cancel);
    QCOMPARE(cancelText, u"Batal"_s);
    QCOMPARE(title, u"Tirtamaya"_s);
    QCOMPARE(MessageBox::lastText(), u"Lanjutkan pencarian?"_s);
    QCOMPARE(MessageBox::shownCount(), 1);
}

void TestMessageBox::unqueuedCallUnderNoModalReturnsTheDefault()
{
    qputenv("TIRTA_NO_MODAL", "1");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"no queued answer for \"Hapus\\?\""_s));
    const QMessageBox::StandardButton answer
        = MessageBox::show(nullptr, u"Hapus?"_s, QMessageBox::Retry | QMessageBox::Cancel);
    qunsetenv("TIRTA_NO_MODAL");
    QCOMPARE(answer, QMessageBox::Retry);
    QCOMPARE(MessageBox::shownCount(), 1);
    QVERIFY(!QApplication::activeModalWidget());
}

TIRTA_TEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
