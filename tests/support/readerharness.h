#pragma once

#include "foundation/checksum.h"
#include "foundation/settings.h"
#include "reader/form1.h"
#include "support/samplebible.h"
#include "uikit/filedialog.h"
#include "uikit/fontdialog.h"
#include "uikit/messagebox.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace tirta::test {

/// A program folder and a settings folder of a test's own, and a reader opened on them.
class ReaderHarness
{
public:
    ReaderHarness()
    {
        // A message nobody answered fails its test instead of waiting for a click.
        qputenv("TIRTA_NO_MODAL", "1");
        ui::MessageBox::resetForTest();
        ui::FileDialog::resetForTest();
        ui::FontDialog::resetForTest();
    }

    QString programFolder() const { return m_program.path(); }
    QString settingsFolder() const { return m_settings.path(); }
    reader::Environment environment() const { return { programFolder(), settingsFolder() }; }

    /// The settings store the reader uses.
    SettingsStore store() const
    {
        return SettingsStore(settingsFolder(), applicationNameForFolder(programFolder()));
    }

    /// Writes the data file into the program folder and opens the reader on it.
    std::unique_ptr<Form1> open(const FixtureBuilder& builder = sampleBible())
    {
        if (builder.write(programFolder() + QStringLiteral("/Purnaka2000.dat")).isEmpty())
            return nullptr;
        return openAgain();
    }

    /// Opens the reader on what the folders hold now: loaded, shown and active; null when a step fails.
    std::unique_ptr<Form1> openAgain()
    {
        auto form = std::make_unique<Form1>(environment());
        if (!form->Form_Load())
            return nullptr;
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return nullptr;
        return form;
    }

private:
    QTemporaryDir m_program;
    QTemporaryDir m_settings;
};

} // namespace tirta::test
