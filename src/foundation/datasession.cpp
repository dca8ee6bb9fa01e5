#include "datasession.h"

#include "foundation/books.h"

namespace tirta {

using namespace Qt::StringLiterals;

QString roleQuery(Role role)
{
    switch (role) {
    case Role::Chapters:
        return u"SELECT * FROM UsysAlkitab ORDER BY Urutan"_s;
    case Role::OldBooks:
        return u"SELECT * FROM UsysKitab WHERE Perjanjian='Lama' ORDER BY Urutan"_s;
    case Role::NewBooks:
        return u"SELECT * FROM UsysKitab WHERE Perjanjian='Baru' ORDER BY Urutan"_s;
    case Role::Books:
        return u"SELECT * FROM UsysKitab ORDER BY Urutan"_s;
    case Role::Search:
        return u"SELECT * FROM UsysAlkitab"_s;
    case Role::Parables:
        return u"SELECT * FROM UsysUmpama"_s;
    case Role::Prophecies:
        return u"SELECT * FROM UsysNubuat"_s;
    case Role::Excerpt:
        return u"SELECT * FROM UsysAlkitab"_s;
    case Role::Pictures:
        return u"SELECT * FROM UsysGambar"_s;
    case Role::PictureCategories:
        return u"SELECT DISTINCT Kategori FROM UsysGambar GROUP BY Kategori"_s;
    case Role::Versions:
        return u"SELECT * FROM UsysVersi order by nr"_s;
    case Role::Dictionary:
        return u"SELECT * FROM UsysKamus ORDER BY Entri"_s;
    case Role::Info:
        return u"SELECT * FROM UsysInfo"_s;
    case Role::Deutero:
    case Role::Deutero2:
        return u"SELECT * FROM UsysDeuterokanonika ORDER BY Urutan, Bab"_s;
    case Role::MenuSwitches:
        return u"SELECT * FROM UsysMenu"_s;
    case Role::Books2:
        return u"SELECT * FROM UsysKitab"_s;
    case Role::Themes:
        return u"SELECT * FROM UsysTematik ORDER BY topik"_s;
    case Role::ThemeNames:
        return u"SELECT DISTINCT Topik FROM UsysTematik"_s;
    case Role::DeuteroSearch:
        return u"SELECT * FROM UsysDeuterokanonika"_s;
    }
    return {};
}

std::unique_ptr<DataSession> DataSession::open(const QString& path, DataFailure* failure)
{
    DataFailure ignored;
    DataFailure& f = failure ? *failure : ignored;
    std::unique_ptr<DataSession> session(new DataSession);
    session->m_db = Database::open(path, &f);
    if (!session->m_db)
        return nullptr;

    auto openRole = [&](Role role) {
        auto& slot = session->m_recordsets[static_cast<size_t>(role) - 1];
        slot = session->m_db->openRecordset(roleQuery(role), &f);
        return slot != nullptr;
    };
    for (int r = 1; r <= 17; ++r) {
        if (!openRole(static_cast<Role>(r)))
            return nullptr;
    }
    session->m_themes = session->m_db->hasTable(u"UsysTematik");
    if (session->m_themes && !(openRole(Role::Themes) && openRole(Role::ThemeNames)))
        return nullptr;
    if (!openRole(Role::DeuteroSearch))
        return nullptr;

    // The chapter lists are as long as the books' counts say: a count that no book can have is
    // damage, refused before any list is filled. (Verse counts are checked chapter by chapter, when
    // shown: reading them all here would cost the start more than everything else.)
    const auto range
        = session->m_db->openRecordset(u"SELECT min(JumlahBuku), max(JumlahBuku) FROM UsysKitab"_s, &f);
    if (!range)
        return nullptr;
    const QStringList fields = range->fieldNames();
    for (const QString& field : fields) {
        if (const std::optional<DataFailure> damage
            = impossibleCount(range->number(field), kMaxChapters, u"UsysKitab"_s, u"JumlahBuku"_s, path)) {
            f = *damage;
            return nullptr;
        }
    }

    // `CheckDeutero`: the third translation is offered when its first chapter has some text.
    Recordset& deutero = session->recordset(Role::Deutero);
    session->m_thirdDeutero = deutero.hasField(u"Kitab3") && deutero.text(u"Kitab3").size() >= 3;

    // Every translation the catalogue names must have its text and book-name columns.
    const QStringList chapterFields = session->m_db->fieldNames(u"UsysAlkitab");
    const QStringList bookFields = session->m_db->fieldNames(u"UsysKitab");
    Recordset& versions = session->recordset(Role::Versions);
    for (versions.moveFirst(); !versions.eof(); versions.moveNext()) {
        const QString column = versions.text(u"NamaTabel");
        for (const auto& [table, fields] :
            { std::pair { u"UsysAlkitab"_s, chapterFields }, std::pair { u"UsysKitab"_s, bookFields } }) {
            if (!fields.contains(column, Qt::CaseInsensitive)) {
                f = { DataError::MissingField, table, column, path, {} };
                return nullptr;
            }
        }
    }
    versions.moveFirst();
    return session;
}

Recordset& DataSession::recordset(Role role)
{
    return *m_recordsets[static_cast<size_t>(role) - 1];
}

bool DataSession::has(Role role) const
{
    return m_recordsets[static_cast<size_t>(role) - 1] != nullptr;
}

void DataSession::setSearch(std::unique_ptr<Recordset> search, Role role)
{
    // Only the search roles are replaced; the other recordsets are held for the whole run.
    if (role != Role::Search && role != Role::DeuteroSearch)
        return;
    m_recordsets[static_cast<size_t>(role) - 1] = std::move(search);
}

} // namespace tirta
