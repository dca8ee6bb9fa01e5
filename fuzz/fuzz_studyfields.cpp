// The study fields of the data file a window parses itself: a book's cross-reference list
// (`Referensi`) with the chooser's targets, and its pericope list (`Perikop`) with the jump into a
// chapter text. The first byte picks the chapter; the rest is "field NUL chapter text".
#include "fuzzinput.h"

#include "study/crossrefs.h"
#include "study/pericopes.h"

using namespace tirta::study;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int chapter = data[0];
    const auto [field, chapterText] = tirta::fuzz::split(data + 1, size - 1);
    const QString text = QString::fromUtf8(field);

    const ChapterCrossRefs refs = chapterCrossRefs(text, chapter);
    for (const QString& caption : refs.captions) {
        for (const QString& target : crossRefTargets(caption, (chapter & 1) != 0))
            (void)isChoosableTarget(target);
    }

    const PericopeLabels labels = pericopeLabels(text);
    if (labels.texts.size() != static_cast<size_t>(kLastPericopeLabel) + 1)
        __builtin_trap();
    const QString pane = QString::fromUtf8(chapterText);
    for (int i = 1; i <= labels.lastLaidOut(); i += 2) {
        if (const std::optional<PericopeTarget> target
            = pericopeTarget(labels.texts[static_cast<size_t>(i)])) {
            const qsizetype caret = pericopeCaret(pane, *target);
            if (caret < 0 || caret > pane.size())
                __builtin_trap();
        }
    }
    return 0;
}
