#pragma once

#include "foundation/database.h"
#include "foundation/datafailure.h"
#include "foundation/recordset.h"

#include <QString>

#include <array>
#include <memory>

namespace tirta {

/// The recordsets the main window opens at start-up, numbered in the order they are opened.
enum class Role
{
    Chapters = 1, ///< every chapter in canonical order: the reader moves it
    OldBooks, ///< Old Testament books
    NewBooks, ///< New Testament books
    Books, ///< every book: navigation, introductions, pericopes, cross references
    Search, ///< the last search preselection
    Parables,
    Prophecies,
    Excerpt, ///< a second cursor on the chapters, for excerpts in other windows
    Pictures,
    PictureCategories,
    Versions, ///< the translation catalogue
    Dictionary,
    Info, ///< information pages, shared program-wide
    Deutero, ///< deuterocanonical chapters
    MenuSwitches,
    Books2, ///< a second cursor on the books
    Deutero2, ///< a second cursor on the deuterocanonical chapters
    Themes, ///< only with UsysTematik
    ThemeNames, ///< only with UsysTematik
    DeuteroSearch, ///< the last deuterocanonical search preselection
};

inline constexpr int kRoleCount = 20;

/// The query text a role is opened with.
QString roleQuery(Role role);

/// The open data file with its recordsets, shared by every window for the whole run.
class DataSession
{
public:
    /// Opens the file and recordsets 1 to 17, then 18 and 19 when the themes table exists, then the
    /// deuterocanonical search recordset, and checks that every translation of the catalogue has
    /// its columns.
    static std::unique_ptr<DataSession> open(const QString& path, DataFailure* failure);

    Recordset& recordset(Role role);
    /// Whether a role's recordset is open (the theme roles may not be).
    bool has(Role role) const;
    Database& database() { return *m_db; }

    /// Replaces a search recordset (`Role::Search` or `Role::DeuteroSearch`) by a new preselection.
    void setSearch(std::unique_ptr<Recordset> search, Role role = Role::Search);

    bool themesAvailable() const { return m_themes; }
    bool thirdDeuteroAvailable() const { return m_thirdDeutero; }

private:
    DataSession() = default;

    std::unique_ptr<Database> m_db;
    std::array<std::unique_ptr<Recordset>, kRoleCount> m_recordsets;
    bool m_themes = false;
    bool m_thirdDeutero = false;
};

} // namespace tirta
