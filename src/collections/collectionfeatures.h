#pragma once

namespace tirta::ui {
class Reader;
}

namespace tirta::collections {

/// Offers the parables from the main window's "Daftar Perumpamaan Yesus" and tool button 4.
void installParables(tirta::ui::Reader& reader);
/// Offers the prophecies from "Daftar Nubuat dan Penggenapan" and tool button 5.
void installProphecies(tirta::ui::Reader& reader);
/// Offers the maps and pictures from "Peta Alkitab" and tool button 6.
void installPictures(tirta::ui::Reader& reader);

} // namespace tirta::collections
