#pragma once

namespace tirta::ui {
class Reader;
}

namespace tirta::deutero {

/// Offers the deuterocanonical reader in the main window: its menu items "Deuterokanonika" 1 to 3
/// (named after the translations) and tool button 8 open the window on their translation. The
/// window is created on first use and kept for the rest of the run.
void installDeuterocanon(tirta::ui::Reader& reader);

} // namespace tirta::deutero
