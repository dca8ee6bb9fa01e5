#include "install.h"

#include "deutero/form11.h"
#include "foundation/datasession.h"
#include "uikit/reader.h"

#include <QAction>
#include <QPointer>

namespace tirta::deutero {

using namespace Qt::StringLiterals;

namespace {

/// Owned by the main window: opens the reader on the translation of the item chosen.
class DeuteroFeature final : public QObject
{
public:
    explicit DeuteroFeature(tirta::ui::Reader& reader)
        : QObject(reader.mainWindow())
        , m_reader(reader)
    { }

    void open(int n)
    {
        if (!m_window) {
            m_window = new Form11(m_reader);
            // The first time over the middle of the main window.
            m_window->move(m_reader.mainWindow()->geometry().center() - m_window->rect().center());
        }
        m_window->ShowDeutero(n);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }

private:
    tirta::ui::Reader& m_reader;
    QPointer<Form11> m_window;
};

} // namespace

void installDeuterocanon(tirta::ui::Reader& reader)
{
    auto* feature = new DeuteroFeature(reader);
    const tirta::ui::Feature items[]
        = { tirta::ui::Feature::Deutero1, tirta::ui::Feature::Deutero2, tirta::ui::Feature::Deutero3 };
    for (int n = 1; n <= kTranslations; ++n) {
        QAction* item = reader.featureAction(items[n - 1]);
        item->setText(translationNames(reader.session().database(), n).shortName.replace(u'&', u"&&"_s));
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, feature, [feature, n] { feature->open(n); });
    }
}

} // namespace tirta::deutero
