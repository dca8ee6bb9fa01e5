#include "form15.h"

#include "foundation/datasession.h"
#include "foundation/settings.h"
#include "foundation/version.h"
#include "reader/readerenvironment.h"
#include "uikit/filedialog.h"
#include "uikit/help.h"
#include "uikit/messagebox.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

QString browseForDataFolder(QWidget* owner)
{
    return tirta::ui::FileDialog::getExistingDirectory(
        owner, u"Pilih lokasi database "_s + QLatin1StringView(tirta::kProductName));
}

Form15::Form15(tirta::SettingsStore& settings, const QString& folder, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setObjectName(u"Form15"_s);
    tirta::ui::help::setPage(this, tirta::ui::help::page::kSettings);
    setWindowTitle(tr("Pilih lokasi data"));
    auto* grid = new QGridLayout(this);
    m_ui.lblLokasi = new QLabel(tr("Lokasi data Purnaka2000.dat"), this);
    m_ui.lblLokasi->setObjectName(u"lblLokasi"_s);
    m_ui.txtLocation = new QLineEdit(folder, this);
    m_ui.txtLocation->setObjectName(u"txtLocation"_s);
    m_ui.txtLocation->setReadOnly(true);
    m_ui.txtLocation->setMinimumWidth(320);
    m_ui.txtLocation->setToolTip(folder);
    m_ui.cmdBrowse = new QPushButton(tr("Cari..."), this);
    m_ui.cmdBrowse->setObjectName(u"cmdBrowse"_s);
    m_ui.lblCatatan = new QLabel(
        tr("Anda harus merestart program ini untuk menggunakan data pada lokasi baru yang telah dipilih"),
        this);
    m_ui.lblCatatan->setObjectName(u"lblCatatan"_s);
    m_ui.lblCatatan->setWordWrap(true);
    m_ui.cmdOK = new QPushButton(tr("OK"), this);
    m_ui.cmdOK->setObjectName(u"cmdOK"_s);
    m_ui.cmdOK->setDefault(true);
    m_ui.cmdCancel = new QPushButton(tr("Batal"), this);
    m_ui.cmdCancel->setObjectName(u"cmdCancel"_s);

    grid->addWidget(m_ui.lblLokasi, 0, 0, 1, 2);
    grid->addWidget(m_ui.txtLocation, 1, 0);
    grid->addWidget(m_ui.cmdBrowse, 1, 1);
    grid->addWidget(m_ui.lblCatatan, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ui.cmdOK);
    buttons->addWidget(m_ui.cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(m_ui.cmdBrowse, &QPushButton::clicked, this, &Form15::cmdBrowse_Click);
    connect(m_ui.cmdOK, &QPushButton::clicked, this, &Form15::cmdOK_Click);
    connect(m_ui.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui.txtLocation, &QLineEdit::textChanged, m_ui.txtLocation, &QLineEdit::setToolTip);
}

void Form15::cmdBrowse_Click()
{
    const QString picked = browseForDataFolder(this);
    if (picked.isEmpty())
        return;
    const QString folder = tirta::reader::withSlash(picked);
    const QString file = tirta::reader::findDataFile(folder + QStringView(tirta::reader::kDataFileName));
    const bool found = !file.isEmpty();
    tirta::DataFailure failure;
    if (found && !tirta::DataSession::open(file, &failure)) {
        // A file that does not open would keep the program from starting: it is not taken.
        tirta::ui::MessageBox::show(this,
            tirta::reader::dataFileProblem(failure, file) + u"\r\n"_s + tr("Lokasi ini tidak dipakai."),
            QMessageBox::Ok, QMessageBox::Warning, tr("Lokasi Data"));
        return;
    }
    if (!found) {
        const auto answer = tirta::ui::MessageBox::show(this,
            tr("File Purnaka2000.DAT tidak ditemukan di lokasi yang anda pilih. ") + u"\r\n"_s
                + tr("Tetap gunakan lokasi baru ini?"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning, tr("Lokasi Data"));
        if (answer != QMessageBox::Ok)
            return;
    }
    m_chosen = folder;
    m_ui.txtLocation->setText(folder);
    QPalette palette = m_ui.txtLocation->palette();
    palette.setColor(QPalette::Text, found ? Qt::black : Qt::red);
    m_ui.txtLocation->setPalette(palette);
}

void Form15::cmdOK_Click()
{
    if (!m_chosen.isEmpty()) {
        m_settings.write(tirta::setting::location(m_chosen).section, tirta::setting::location(m_chosen).key,
            m_chosen + u"Purnaka2000.dat"_s);
        // The dialog stays open, so the user knows the new location was not kept.
        if (!m_settings.lastError().isEmpty()) {
            tirta::ui::MessageBox::warning(this, tirta::notSavedMessage(m_settings));
            return;
        }
    }
    accept();
}
