#include "settings.h"

#include "foundation/safefile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace tirta {

using namespace Qt::StringLiterals;

namespace setting {
SettingKey location(const QString& programFolder)
{
    const QString folder = programFolder.endsWith(u'/') ? programFolder : programFolder + u'/';
    return { u"Opsi"_s, u"Location"_s, folder + u"PURNAKA2000.DAT"_s };
}
const SettingKey saveset { u"Opsi"_s, u"saveset"_s, u"0"_s };
const SettingKey tip { u"Opsi"_s, u"Tip"_s, u"0"_s };
const SettingKey etika { u"Opsi"_s, u"Etika"_s, u"0"_s };
const SettingKey flush { u"Opsi"_s, u"flush"_s, u"0"_s };
const SettingKey sbar { u"Opsi"_s, u"sbar"_s, u"1"_s };
const SettingKey tbar { u"Opsi"_s, u"tbar"_s, u"1"_s };
const SettingKey bbar { u"Opsi"_s, u"bbar"_s, u"1"_s };
const SettingKey klist { u"Opsi"_s, u"klist"_s, u"1"_s };
const SettingKey pbar { u"Opsi"_s, u"pbar"_s, u"1"_s };
const SettingKey optimal { u"Opsi"_s, u"Optimal"_s, u"1"_s };
const SettingKey splitIntro { u"Opsi"_s, u"splitIntro"_s, u"1"_s };
const SettingKey fontSize { u"font"_s, u"size"_s, u"10"_s };
const SettingKey fontName { u"font"_s, u"name"_s, u"Times New Roman"_s };
const SettingKey aktif1 { u"kitab"_s, u"aktif1"_s, u"1"_s };
const SettingKey aktif2 { u"kitab"_s, u"aktif2"_s, u"1"_s };
const SettingKey perj { u"kitab"_s, u"perj"_s, u"1"_s };
const SettingKey buku { u"kitab"_s, u"buku"_s, u"0"_s };
const SettingKey pasal { u"kitab"_s, u"pasal"_s, u"0"_s };
const SettingKey padanan { u"kitab"_s, u"padanan"_s, u"1"_s };
const SettingKey posHasil { u"Opsi"_s, u"posHasil"_s, QString() };
} // namespace setting

SettingsStore::SettingsStore(QString folder, QString applicationName)
    : m_path(folder + u'/' + applicationName + u".ini"_s)
{
    load();
}

QString SettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tirtamaya"_s;
}

QString SettingsStore::indexKey(const QString& section, const QString& key)
{
    return section.toLower() + u'\x1f' + key.toLower();
}

qsizetype SettingsStore::find(const QString& section, const QString& key) const
{
    return m_index.value(indexKey(section, key), -1);
}

QString SettingsStore::read(const QString& section, const QString& key, const QString& fallback) const
{
    const qsizetype i = find(section, key);
    return i < 0 ? fallback : m_entries[static_cast<size_t>(i)].text;
}

int SettingsStore::number(const SettingKey& key) const
{
    bool ok = false;
    const int value = read(key).trimmed().toInt(&ok);
    return ok ? value : 0;
}

bool SettingsStore::isOn(const SettingKey& key) const
{
    return number(key) == 1;
}

void SettingsStore::set(const QString& section, const QString& key, const std::optional<QString>& text)
{
    const qsizetype i = find(section, key);
    if (!text) {
        if (i >= 0) {
            m_entries.erase(m_entries.begin() + i);
            m_index.clear();
            for (size_t k = 0; k < m_entries.size(); ++k)
                m_index.insert(indexKey(m_entries[k].section, m_entries[k].key), static_cast<qsizetype>(k));
        }
        return;
    }
    // Line breaks cannot live in an INI value; the store keeps names and numbers only.
    QString clean = *text;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    if (i >= 0) {
        m_entries[static_cast<size_t>(i)].text = clean;
    } else {
        m_index.insert(indexKey(section, key), static_cast<qsizetype>(m_entries.size()));
        m_entries.push_back({ section, key, clean });
    }
}

void SettingsStore::write(const QString& section, const QString& key, const QString& text)
{
    set(section, key, text);
    store();
}

void SettingsStore::remove(const QString& section, const QString& key)
{
    if (find(section, key) < 0)
        return;
    set(section, key, std::nullopt);
    store();
}

void SettingsStore::apply(const std::vector<Change>& changes)
{
    for (const Change& change : changes)
        set(change.key.section, change.key.key, change.text);
    store();
}

void SettingsStore::load()
{
    m_entries.clear();
    m_index.clear();
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly)) {
        QString section;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (QString line : lines) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith(u';'))
                continue;
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                section = line.mid(1, line.size() - 2).trimmed();
                continue;
            }
            const qsizetype eq = line.indexOf(u'=');
            if (eq <= 0 || section.isEmpty())
                continue;
            set(section, line.left(eq).trimmed(), line.mid(eq + 1));
        }
    }
    m_stored = render();
}

QString SettingsStore::render() const
{
    // Grouped by section, keeping the order in which sections and keys first appeared.
    QStringList sections;
    QHash<QString, std::vector<size_t>> entriesOf;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const QString section = m_entries[i].section.toLower();
        auto it = entriesOf.find(section);
        if (it == entriesOf.end()) {
            sections << section;
            it = entriesOf.insert(section, {});
        }
        it->push_back(i);
    }
    QString text;
    for (const QString& section : std::as_const(sections)) {
        const std::vector<size_t>& entries = entriesOf[section];
        text += u'[' + m_entries[entries.front()].section + u"]\r\n"_s;
        for (const size_t i : entries)
            text += m_entries[i].key + u'=' + m_entries[i].text + u"\r\n"_s;
        text += u"\r\n"_s;
    }
    return text;
}

void SettingsStore::store()
{
    const QString text = render();
    // An unchanged store is not written again: the file on disk stays as it is.
    if (text == m_stored)
        return;
    const QString folder = m_path.left(m_path.lastIndexOf(u'/'));
    QString error;
    if (!QDir().mkpath(folder)) {
        m_lastError = u"Folder "_s + folder + u" tidak dapat dibuat."_s;
    } else if (!writeFileWhole(m_path, text.toUtf8(), &error)) {
        m_lastError = error;
    } else {
        m_lastError.clear();
        m_stored = text;
    }
}

QString notSavedMessage(const SettingsStore& store)
{
    return u"Setting program tidak dapat disimpan ke file "_s + store.filePath() + u".\r\n"_s
        + store.lastError() + u"\r\nSetting yang tersimpan sebelumnya tetap utuh."_s;
}

DisplaySettings restoreDisplay(const SettingsStore& store)
{
    DisplaySettings d;
    d.saveSettings = store.isOn(setting::saveset);
    d.showTip = store.isOn(setting::tip);
    d.flushResults = store.isOn(setting::flush);
    d.statusBar = store.isOn(setting::sbar);
    d.toolbar = store.isOn(setting::tbar);
    d.blueToolbar = store.isOn(setting::bbar);
    d.bookPanel = store.isOn(setting::klist);
    d.searchBar = store.isOn(setting::pbar);
    d.optimalSearch = store.isOn({ u"Opsi"_s, u"optimal"_s, u"1"_s });
    d.separateIntro = store.isOn(setting::splitIntro);
    bool ok = false;
    const double size = store.read(setting::fontSize).trimmed().toDouble(&ok);
    d.fontSize = ok && size > 0 ? std::clamp(size, kSmallestFontSize, kLargestFontSize) : 10;
    d.fontName = store.read(setting::fontName);
    return d;
}

std::vector<SettingsStore::Change> exitSaveList(const ExitState& s)
{
    const auto flag = [](bool on) { return on ? u"1"_s : u"0"_s; };
    const DisplaySettings& d = s.display;
    return {
        { setting::pbar, flag(d.searchBar) },
        { setting::tbar, flag(d.toolbar) },
        { setting::sbar, flag(d.statusBar) },
        { setting::klist, flag(d.bookPanel) },
        { setting::bbar, flag(d.blueToolbar) },
        { setting::tip, flag(d.showTip) },
        { setting::flush, flag(d.flushResults) },
        { setting::optimal, flag(d.optimalSearch) },
        { setting::splitIntro, flag(d.separateIntro) },
        { setting::saveset, flag(d.saveSettings) },
        { setting::fontSize, QString::number(d.fontSize) },
        { setting::fontName, d.fontName },
        { setting::aktif1, QString::number(s.mainTranslation) },
        { setting::aktif2, QString::number(s.parallelTranslation) },
        { setting::perj, flag(s.oldTestament) },
        { setting::buku, QString::number(s.bookIndex) },
        { setting::pasal, QString::number(s.chapterIndex) },
        { setting::padanan, flag(s.parallelHidden) },
    };
}

std::vector<SettingsStore::Change> exitDeleteList()
{
    std::vector<SettingsStore::Change> list;
    for (const SettingKey* key :
        { &setting::pbar, &setting::tbar, &setting::sbar, &setting::klist, &setting::bbar, &setting::tip,
            &setting::flush, &setting::optimal, &setting::splitIntro, &setting::saveset, &setting::etika,
            &setting::fontSize, &setting::fontName, &setting::aktif1, &setting::aktif2, &setting::perj,
            &setting::buku, &setting::pasal, &setting::padanan, &setting::posHasil })
        list.push_back({ *key, std::nullopt });
    return list;
}

void applyExitSettings(SettingsStore& store, const ExitState& state)
{
    store.apply(state.display.saveSettings ? exitSaveList(state) : exitDeleteList());
}

} // namespace tirta
