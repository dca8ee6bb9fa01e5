#pragma once

#include "info/handbook.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;

/// The window of the program's own handbook ("Panduan Program"): the table of contents and a search
/// over the pages on the left, the page on the right, with its links, back and forward. Created on
/// first use and kept.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    /// The handbook window of `parent` (the main window), showing nothing until `showPage`.
    explicit HelpWindow(QWidget* parent);

    /// Shows a page of the handbook ("bahasa-pencarian", optionally "#anchor"); an unknown page
    /// shows the start page.
    void showPage(const QString& page);
    /// The page shown, without its anchor.
    QString currentPage() const;

private:
    void buildUi();
    void connectSignals();
    void fillContents();
    void pageShown(const QUrl& url);
    void runSearch();
    /// Marks the searched words on the page shown; with `showFirst` the page scrolls to the first.
    void markSearchWords(bool showFirst);

    tirta::info::Handbook m_handbook;
    QStringList m_searchWords;
    struct Ui
    {
        QToolButton* backButton = nullptr;
        QToolButton* forwardButton = nullptr;
        QToolButton* homeButton = nullptr;
        QTabWidget* tabs = nullptr;
        QTreeWidget* contents = nullptr;
        QLineEdit* searchText = nullptr;
        QPushButton* searchButton = nullptr;
        QLabel* searchStatus = nullptr;
        QListWidget* searchResults = nullptr;
        QTextBrowser* browser = nullptr;
    } m_ui;
};
