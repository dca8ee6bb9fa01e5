#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tirta {
class SettingsStore;
}

/// Asks for a folder with the system's folder dialog, titled "Pilih lokasi database Tirtamaya".
/// Empty when the user cancels.
QString browseForDataFolder(QWidget* owner);

/// The data-location dialog: the user chooses another folder for the data file, which the
/// program uses from its next start.
class Form15 final : public QDialog
{
    Q_OBJECT

public:
    /// `folder` is the folder the program reads now, as the dialog shows it.
    Form15(tirta::SettingsStore& settings, const QString& folder, QWidget* parent = nullptr);

private:
    void cmdBrowse_Click();
    void cmdOK_Click();

    tirta::SettingsStore& m_settings;
    QString m_chosen; ///< the folder chosen with the browser, empty until then
    struct Ui
    {
        QLabel* lblLokasi = nullptr;
        QLineEdit* txtLocation = nullptr;
        QPushButton* cmdBrowse = nullptr;
        QLabel* lblCatatan = nullptr;
        QPushButton* cmdOK = nullptr;
        QPushButton* cmdCancel = nullptr;
    } m_ui;
};
