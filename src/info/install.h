#pragma once

namespace tirta::ui {
class Reader;
}

namespace tirta::info {

/// "Etika Pengutipan Alkitab" (`menuEtika`) and "Hak Cipta" (`menuHakCipta`): the information
/// window, modal; at start it shows the ethics page when the user asked for it.
void installInformationPages(tirta::ui::Reader& reader);

/// "Tip Penggunaan Program" (`MenuTips`): the tips window, modal; at start it opens when the user
/// asked for it, after the ethics page.
void installTips(tirta::ui::Reader& reader);

/// "Panduan Program" (`MenuHelp`) and F1 in every window: a help file placed beside the data or the
/// program opens with the desktop's handler; otherwise the program's own handbook opens, at the page
/// of the window F1 was pressed in.
void installHelp(tirta::ui::Reader& reader);

/// All of the above, in the order the start needs them: the ethics page before the tips.
void installInfo(tirta::ui::Reader& reader);

} // namespace tirta::info
