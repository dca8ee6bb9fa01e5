#pragma once

#include "reader/form1.h"
#include "support/readerharness.h"
#include "support/samplebible.h"
#include "uikit/filedialog.h"
#include "uikit/messagebox.h"
#include "uikit/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace tirta::test {

/// A reader of a test's own on a data file the test chooses, with short ways to its controls.
class ReaderWindow
{
public:
    /// Writes `builder`'s data file beside the program and opens the reader on it.
    bool open(const FixtureBuilder& builder = sampleBible())
    {
        m_form = harness.open(builder);
        return m_form != nullptr;
    }

    /// Opens the reader again on what the folders hold now.
    bool openAgain()
    {
        m_form = harness.openAgain();
        return m_form != nullptr;
    }

    /// Closes the reader as the user does, and lets it go.
    void close()
    {
        m_form->close();
        m_form.reset();
    }

    Form1& form() { return *m_form; }

    /// A control of the main window itself (the results window has controls of the same names).
    template <class T> T* control(const char* name) { return ui::named<T>(m_form->centralWidget(), name); }

    /// The window's menu item or key of that name.
    QAction* action(const char* name) { return ui::named<QAction>(m_form.get(), name); }

    /// The book and chapter named above the reading pane.
    QString heading() { return control<QLabel>("Label1")->text(); }

    /// The text of the reading pane ("rtf1") or the parallel pane ("rtf2").
    QString text(const char* pane = "rtf1") { return control<QTextEdit>(pane)->toPlainText(); }

    /// What the reading pane has selected.
    QString selection() { return control<QTextEdit>("rtf1")->textCursor().selectedText(); }

    /// Chooses verse `index` (from 0) in the verse box, as the user does.
    void chooseVerse(int index)
    {
        auto* verses = control<QComboBox>("Combo1");
        verses->setCurrentIndex(index);
        Q_EMIT verses->activated(index);
    }

    ReaderHarness harness;

private:
    std::unique_ptr<Form1> m_form;
};

} // namespace tirta::test
