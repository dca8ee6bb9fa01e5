#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class QWidget;

/// The program's help as the windows see it: each window names its page of the handbook, F1 opens
/// the page of the window it is pressed in, and a message may offer a "Panduan" button. Who shows
/// the handbook registers itself with `setOpener`; until then F1 does nothing.
namespace tirta::ui::help {

/// The pages of the handbook that windows name: the handbook's file names without ".html".
namespace page {
inline constexpr QStringView kStart = u"index";
inline constexpr QStringView kMainWindow = u"jendela-utama";
inline constexpr QStringView kReading = u"membaca";
inline constexpr QStringView kSearch = u"pencarian";
inline constexpr QStringView kQueryLanguage = u"bahasa-pencarian";
inline constexpr QStringView kResults = u"hasil-pencarian";
inline constexpr QStringView kClipBook = u"clipbook";
inline constexpr QStringView kCrossReferences = u"referensi-silang";
inline constexpr QStringView kBookmarks = u"bookmark";
inline constexpr QStringView kPericopes = u"perikop";
inline constexpr QStringView kBookNotes = u"pengantar";
inline constexpr QStringView kDictionary = u"kamus";
inline constexpr QStringView kThemes = u"tematik";
inline constexpr QStringView kParables = u"perumpamaan";
inline constexpr QStringView kProphecies = u"nubuat";
inline constexpr QStringView kMaps = u"peta";
inline constexpr QStringView kDeutero = u"deuterokanonika";
inline constexpr QStringView kInformation = u"informasi";
inline constexpr QStringView kDataFile = u"berkas-data";
inline constexpr QStringView kSettings = u"pengaturan";

/// Every page above, for checks that each one exists.
inline constexpr QStringView kAll[] = { kStart, kMainWindow, kReading, kSearch, kQueryLanguage, kResults,
    kClipBook, kCrossReferences, kBookmarks, kPericopes, kBookNotes, kDictionary, kThemes, kParables,
    kProphecies, kMaps, kDeutero, kInformation, kDataFile, kSettings };
} // namespace page

/// Names the handbook page of `window` (and of the windows it owns that name none): F1 pressed
/// anywhere in it opens that page.
void setPage(QWidget* window, QStringView page);

/// The page named by `widget` or, failing that, by the nearest widget it belongs to; the start
/// page when none names one.
QString pageOf(const QWidget* widget);

/// Shows the handbook at a page ("bahasa-pencarian", optionally with "#anchor").
using Opener = std::function<void(const QString& page)>;

/// Registers who shows the handbook and lets F1 open it in every window of the program. An empty
/// opener switches F1 off again.
void setOpener(Opener opener);

/// Opens the handbook at `page`; false when nobody shows it.
bool open(const QString& page);

/// Shows `text` with the buttons "OK" and "Panduan"; "Panduan" opens the handbook at `page`.
void messageWithGuide(QWidget* parent, const QString& text, QStringView page);

} // namespace tirta::ui::help
