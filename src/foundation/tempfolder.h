#pragma once

#include <QString>

namespace tirta {

/// The folder for result and bookmark files, ending in "/": a folder of this user's own, readable
/// and writable by nobody else, inside the system's temporary folder. A folder of that name that
/// someone else owns or that is a link is never used; a fresh private folder takes its place.
QString TempFolder();

} // namespace tirta
