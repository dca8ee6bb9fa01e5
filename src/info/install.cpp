#include "install.h"

#include "foundation/database.h"
#include "foundation/datasession.h"
#include "foundation/pseudorandom.h"
#include "foundation/settings.h"
#include "info/form10.h"
#include "info/form14.h"
#include "info/helpfile.h"
#include "info/helpwindow.h"
#include "uikit/help.h"
#include "uikit/reader.h"
#include "uikit/readerevents.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <functional>

using namespace Qt::StringLiterals;

namespace tirta::info {

namespace {

/// The windows that open by themselves at start, one after the other: each opens when the one
/// before it was closed. They open from the event loop, after the main window has been shown.
class StartWindows final : public QObject
{
public:
    /// Shows its window and returns it, or returns null when it has nothing to show.
    using Step = std::function<QDialog*()>;

    static StartWindows& of(tirta::ui::Reader& reader)
    {
        constexpr auto kName = "infoStartWindows";
        auto* queue = reader.mainWindow()->findChild<StartWindows*>(QLatin1StringView(kName));
        if (!queue) {
            queue = new StartWindows(reader);
            queue->setObjectName(QLatin1StringView(kName));
        }
        return *queue;
    }

    void add(Step step) { m_steps.push_back(std::move(step)); }

private:
    explicit StartWindows(tirta::ui::Reader& reader)
        : QObject(reader.mainWindow())
    {
        connect(&reader.events(), &tirta::ui::ReaderEvents::firstActivated, this,
            [this] { QTimer::singleShot(0, this, &StartWindows::runNext); });
    }

    void runNext()
    {
        while (!m_steps.empty()) {
            const Step step = std::move(m_steps.front());
            m_steps.pop_front();
            if (QDialog* shown = step()) {
                connect(shown, &QDialog::finished, this, &StartWindows::runNext, Qt::SingleShotConnection);
                return;
            }
        }
    }

    std::deque<Step> m_steps;
};

/// Shows a dialog modally without waiting for it.
void showModal(QDialog* dialog)
{
    dialog->setModal(true);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

class InformationPages final : public QObject
{
public:
    explicit InformationPages(tirta::ui::Reader& reader)
        : QObject(reader.mainWindow())
        , m_reader(reader)
    { }

    Form14* show(const QString& mode)
    {
        if (!m_window)
            m_window = new Form14(m_reader);
        m_window->ShowInfo(mode);
        return m_window;
    }

private:
    tirta::ui::Reader& m_reader;
    QPointer<Form14> m_window;
};

Form10* showTips(tirta::ui::Reader& reader)
{
    auto* window = new Form10(reader, tirta::PseudoRandom::shared());
    showModal(window);
    return window;
}

class HelpController final : public QObject
{
public:
    explicit HelpController(tirta::ui::Reader& reader)
        : QObject(reader.mainWindow())
        , m_reader(reader)
    {
        tirta::ui::help::setOpener([this](const QString& page) { open(page); });
    }

    ~HelpController() override { tirta::ui::help::setOpener({}); }

    void open(const QString& page)
    {
        const QString dataFolder = QFileInfo(m_reader.session().database().path()).absolutePath();
        if (const auto file = findHelpFile(dataFolder, m_reader.programFolder())) {
            if (QDesktopServices::openUrl(QUrl::fromLocalFile(*file)))
                return;
        }
        if (!m_window)
            m_window = new HelpWindow(m_reader.mainWindow());
        // Opened from a modal window, the handbook must be modal too, or that window would block it.
        const Qt::WindowModality modality
            = QApplication::activeModalWidget() && QApplication::activeModalWidget() != m_window
            ? Qt::ApplicationModal
            : Qt::NonModal;
        if (m_window->windowModality() != modality) {
            m_window->hide();
            m_window->setWindowModality(modality);
        }
        m_window->showPage(page);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }

private:
    tirta::ui::Reader& m_reader;
    QPointer<HelpWindow> m_window;
};

} // namespace

void installInformationPages(tirta::ui::Reader& reader)
{
    auto* pages = new InformationPages(reader);
    for (const auto& [feature, mode] : { std::pair { tirta::ui::Feature::Etika, Form14::kModeEtika },
             std::pair { tirta::ui::Feature::HakCipta, Form14::kModeHakCipta } }) {
        QAction* item = reader.featureAction(feature);
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, pages, [pages, mode = mode] { pages->show(mode); });
    }
    StartWindows::of(reader).add([&reader, pages]() -> QDialog* {
        if (!reader.settings().isOn(tirta::setting::etika))
            return nullptr;
        return pages->show(Form14::kModeEtika);
    });
}

void installTips(tirta::ui::Reader& reader)
{
    QAction* item = reader.featureAction(tirta::ui::Feature::Tips);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, reader.mainWindow(), [&reader] { showTips(reader); });
    StartWindows::of(reader).add([&reader]() -> QDialog* {
        if (!reader.settings().isOn(tirta::setting::tip))
            return nullptr;
        return showTips(reader);
    });
}

void installHelp(tirta::ui::Reader& reader)
{
    auto* help = new HelpController(reader);
    tirta::ui::help::setPage(reader.mainWindow(), tirta::ui::help::page::kMainWindow);
    QAction* item = reader.featureAction(tirta::ui::Feature::Help);
    item->setEnabled(true);
    QObject::connect(
        item, &QAction::triggered, help, [help] { help->open(tirta::ui::help::page::kStart.toString()); });
}

void installInfo(tirta::ui::Reader& reader)
{
    installInformationPages(reader);
    installTips(reader);
    installHelp(reader);
}

} // namespace tirta::info
