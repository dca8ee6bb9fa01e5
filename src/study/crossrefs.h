#pragma once

#include <QString>
#include <QStringList>

namespace tirta::study {

/// The slots of the cross-reference submenu (`MenuRefs` 1 to 150); a chapter never shows more.
inline constexpr int kCrossRefSlots = 150;

/// The caption of the submenu while a chapter is shown: "Ref. Silang Yohanes Bab 3".
QString crossRefMenuCaption(const QString& book, int chapter);

/// The cross references of one chapter, as the submenu shows them.
struct ChapterCrossRefs
{
    /// One caption per entry, in stored order: the source label, " -> " and the targets
    /// ("16 -> Bilangan 21:9, Yohanes 12:32"). Empty when the chapter has none.
    QStringList captions;
    /// An entry without a space, or more entries than there are slots: the submenu is not offered.
    bool malformed = false;
};

/// The entries of `chapter` in a book's cross-reference list (the field `Referensi`): lines of "#",
/// the chapter, "#", then "@" before each entry "label targets". The first line whose tag matches
/// is taken; whatever stands between the tag and the first "@" is ignored. Captions beyond the
/// slots are dropped (and the result is malformed).
ChapterCrossRefs chapterCrossRefs(const QString& referensi, int chapter);

/// The targets of a submenu caption, as the chooser lists them: the text after " -> " split at
/// ",", each trimmed; an Old Testament target gets a "*" when the main translation has no Old
/// Testament. Empty pieces are left out; no " -> " gives no targets.
QStringList crossRefTargets(const QString& caption, bool hasOldTestament);

/// Whether a listed target may be chosen: it does not end in "*".
bool isChoosableTarget(const QString& target);

} // namespace tirta::study
