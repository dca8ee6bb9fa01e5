#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace tirta {

/// One value of the settings store: its section, its key and the text used when it is absent.
struct SettingKey
{
    QString section;
    QString key;
    QString fallback;
};

/// Every value the program keeps between runs.
namespace setting {
SettingKey location(const QString& programFolder);
extern const SettingKey saveset, tip, etika, flush, sbar, tbar, bbar, klist, pbar, optimal, splitIntro;
extern const SettingKey fontSize, fontName;
extern const SettingKey aktif1, aktif2, perj, buku, pasal, padanan;
/// Where the user put the results window: its geometry as Qt saves it, in base64; empty until then.
extern const SettingKey posHasil;
} // namespace setting

/// The per-user settings of one installation: a small INI file named after the application name.
/// Sections and keys compare without regard to case. Every change is written to disk whole.
class SettingsStore
{
public:
    /// The store of `applicationName` kept in `folder`.
    SettingsStore(QString folder, QString applicationName);

    /// The folder of the user's settings ("~/.config/tirtamaya").
    static QString defaultFolder();

    QString read(const QString& section, const QString& key, const QString& fallback) const;
    QString read(const SettingKey& key) const { return read(key.section, key.key, key.fallback); }
    /// Whether the value equals 1; anything that is not a number is off.
    bool isOn(const SettingKey& key) const;
    int number(const SettingKey& key) const;

    void write(const QString& section, const QString& key, const QString& text);
    void write(const SettingKey& key, const QString& text) { write(key.section, key.key, text); }
    void remove(const QString& section, const QString& key);
    void remove(const SettingKey& key) { remove(key.section, key.key); }

    /// Several changes written to disk once: a value per key, or no value to delete it.
    struct Change
    {
        SettingKey key;
        std::optional<QString> text;
    };
    void apply(const std::vector<Change>& changes);

    QString filePath() const { return m_path; }
    /// Why the last write failed (Indonesian), or empty. A change that could not be written stays
    /// in memory and is written with the next one.
    QString lastError() const { return m_lastError; }

private:
    struct Entry
    {
        QString section;
        QString key;
        QString text;
    };
    void load();
    void store();
    QString render() const;
    static QString indexKey(const QString& section, const QString& key);
    qsizetype find(const QString& section, const QString& key) const;
    void set(const QString& section, const QString& key, const std::optional<QString>& text);

    QString m_path;
    std::vector<Entry> m_entries; // in file order
    QHash<QString, qsizetype> m_index; // section and key in lower case -> entry
    QString m_stored; // the text last read or written, to leave an unchanged file alone
    QString m_lastError;
};

/// The message for a store whose last write failed: what was not saved, where, why, and that the
/// file keeps what it held.
QString notSavedMessage(const SettingsStore& store);

/// The reading font's size in points stays within these, whatever a settings file, the font dialog
/// or "A+" pressed many times asks for: at thousands of points a chapter can no longer be drawn.
inline constexpr double kSmallestFontSize = 3;
inline constexpr double kLargestFontSize = 72;

/// The display choices restored at start-up and saved at exit.
struct DisplaySettings
{
    bool saveSettings = false;
    bool showTip = false;
    bool flushResults = false;
    bool statusBar = true;
    bool toolbar = true;
    bool blueToolbar = true;
    bool bookPanel = true;
    bool searchBar = true;
    bool optimalSearch = true;
    bool separateIntro = true;
    double fontSize = 10;
    QString fontName = QStringLiteral("Times New Roman");
};

/// What the main window keeps at exit besides its display choices.
struct ExitState
{
    DisplaySettings display;
    int mainTranslation = 1;
    int parallelTranslation = 1;
    bool oldTestament = true;
    int bookIndex = 0;
    int chapterIndex = 0;
    bool parallelHidden = true;
};

DisplaySettings restoreDisplay(const SettingsStore& store);

/// The values written at exit when the user keeps the settings, in the order they are written.
std::vector<SettingsStore::Change> exitSaveList(const ExitState& state);
/// The values deleted at exit when the user does not keep the settings (all but the data location).
std::vector<SettingsStore::Change> exitDeleteList();
/// Saves or deletes, as the user chose with "Selalu simpan setting program".
void applyExitSettings(SettingsStore& store, const ExitState& state);

} // namespace tirta
