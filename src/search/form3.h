#pragma once

#include "search/searchengine.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

/// The progress dialog of the searches over many chapters ("PENCARIAN"): the hits so far, the time
/// since the start and a stop button. It is the search's `Progress`: the search's ticks fill its
/// fields and let the event loop run, and `stopRequested` answers what the stop button and ESC asked.
/// A search that ends before its first tick never shows it. Closing it only asks the search to stop.
class Form3 final : public QDialog, public tirta::search::Progress
{
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);

    /// The count field's text at the start of a search, until the first hit.
    static QString waitingText();

    // tirta::search::Progress
    /// Clears the stop flag and resets the fields for a new search (the dialog appears at the first
    /// tick).
    void started() override;
    /// Shows the dialog centred and on top when it is not yet shown, writes the hits and the time,
    /// and lets the event loop run once (repaint, stop button, ESC).
    void tick(int hits, qint64 elapsedMs) override;
    /// Whether the user asked to stop since the search started.
    bool stopRequested() override;
    /// Writes the final hits and time and hides the dialog.
    void finished(int hits, qint64 elapsedMs) override;

    /// Shows the dialog centred on the screen above the other windows.
    void showCentred();
    /// What the stop button and ESC do: asks the running search to stop.
    void requestStop();

Q_SIGNALS:
    /// The user asked to stop (stop button, ESC or closing the dialog).
    void stopAsked();

protected:
    /// ESC (and closing the dialog) asks the search to stop; the dialog stays until the search ends.
    void reject() override;

private:
    void buildUi();
    void connectSignals();
    void Form_Load();
    void Command2_Click();
    /// The count field and its visible mirror.
    void setLabel1(const QString& text);
    /// The elapsed-time field and its visible mirror.
    void setLabel2(const QString& text);

    struct Ui
    {
        QLineEdit* Text4 = nullptr; ///< "PENCARIAN"
        QLineEdit* Text3 = nullptr; ///< what the user sees of `Label1`
        QLineEdit* Text2 = nullptr; ///< what the user sees of `Label2`
        QLineEdit* Text1 = nullptr; ///< the ESC hint
        QLabel* Label1 = nullptr; ///< the count field: waiting text, then the hits
        QLabel* Label2 = nullptr; ///< the elapsed-time field, "hh:mm:ss"
        QLabel* Label4 = nullptr; ///< the start time of the search
        QPushButton* Command2 = nullptr; ///< the stop button
    } m_ui;
    bool m_stop = false;
};
