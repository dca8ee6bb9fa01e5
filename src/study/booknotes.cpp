#include "booknotes.h"

using namespace Qt::StringLiterals;

namespace tirta::study {

QString sectionField(NotesSection section)
{
    switch (section) {
    case NotesSection::CiriKhas:
        return u"CiriKhas"_s;
    case NotesSection::Survai:
        return u"Survai"_s;
    case NotesSection::Pengantar:
        break;
    }
    return u"Pengantar"_s;
}

QString sectionMode(NotesSection section)
{
    switch (section) {
    case NotesSection::CiriKhas:
        return paneMode::cirikhas;
    case NotesSection::Survai:
        return paneMode::survai;
    case NotesSection::Pengantar:
        break;
    }
    return {};
}

QString introHeader(const QString& book)
{
    return book + QString(22, u' ');
}

BookChangePlan bookChangePlan(const QString& mode, bool separateWindow)
{
    using Target = BookChangePlan::Target;
    BookChangePlan plan;
    if (mode == paneMode::intro) {
        plan.field = u"Intro"_s;
        plan.target = separateWindow ? Target::NotesWindow : Target::ReadingPane;
        plan.introHeader = !separateWindow;
        plan.firstChapter = separateWindow;
        return plan;
    }
    NotesSection section;
    if (mode == paneMode::info)
        section = NotesSection::Pengantar;
    else if (mode == paneMode::cirikhas)
        section = NotesSection::CiriKhas;
    else if (mode == paneMode::survai)
        section = NotesSection::Survai;
    else
        return plan;
    plan.firstChapter = true;
    if (separateWindow) {
        // The book notes window starts every book on its first section.
        plan.target = Target::NotesWindow;
        plan.field = sectionField(NotesSection::Pengantar);
        plan.selectNotesOption1 = mode == paneMode::info;
    } else {
        plan.target = Target::ReadingPane;
        plan.field = sectionField(section);
        plan.sectionOptions = true;
    }
    return plan;
}

} // namespace tirta::study
