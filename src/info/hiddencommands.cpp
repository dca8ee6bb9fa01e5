#include "hiddencommands.h"

#include "foundation/datasession.h"
#include "foundation/pseudorandom.h"
#include "foundation/safefile.h"
#include "foundation/settings.h"
#include "foundation/version.h"
#include "info/infotext.h"
#include "info/maker.h"
#include "uikit/messagebox.h"
#include "uikit/reader.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tirta::info {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("tirta::info::RunHiddenCommand", text);
}

// Every command answers with a plain message: OK only, no icon, titled with the product name.
void tell(tirta::ui::Reader& reader, const QString& text)
{
    tirta::ui::MessageBox::show(reader.mainWindow(), text, QMessageBox::Ok, QMessageBox::NoIcon);
}

QString whoText()
{
    return maker::productAndVersion() + u"\n\n" + tr("Diprogram oleh: ") + maker::kProgrammer + u'\n'
        + tr("Isi Alkitab dan bahan studi dari ") + maker::kContentProvider + u"\n\n"
        + tr("Semoga program ini dapat mendatangkan kebaikan dan berguna ") + tr("bagi banyak orang.") + u'\n'
        + tr("Tuhan memberkati selalu.") + u"\n\n" + maker::kPlaceAndDate;
}

QString historyText()
{
    QString text = tr("Dikembangkan dan ditulis ulang dari ")
        + tr("program pendahulunya (versi 1.0 sampai dengan 2.70).") + u"\n\n";
    // One line per release series of this program, up to the running one.
    for (int major = 1; major <= tirta::kVersionMajor; ++major) {
        const int minor = major == tirta::kVersionMajor ? tirta::kVersionMinor : 0;
        text += QString(tirta::kProductName) + u' ' + QString::number(major) + u'.' + QString::number(minor)
            + u" : " + tr("diprogram oleh ") + maker::kProgrammer + u'\n';
    }
    return text.trimmed();
}

void advice(tirta::ui::Reader& reader)
{
    reader.showQuotation(adviceReference(tirta::PseudoRandom::shared().next()).toString());
}

} // namespace

QStringView adviceReference(double r)
{
    const double scaled = 9.0 * r;
    int index = 0;
    if (!std::isnan(scaled))
        index = static_cast<int>(std::clamp(scaled, 0.0, 8.0));
    return kAdviceReferences[static_cast<size_t>(index)];
}

std::optional<QString> hiddenCommandOf(const QString& searchText)
{
    if (!searchText.startsWith(u"\\\\"))
        return std::nullopt;
    return searchText.mid(2).toUpper().trimmed();
}

bool RunHiddenCommand(const QString& command, tirta::ui::Reader& reader)
{
    if (command == u"WHO") {
        tell(reader, whoText());
    } else if (command == u"QUIT") {
        reader.quitAtOnce();
    } else if (command == u"HISTORY") {
        tell(reader, historyText());
    } else if (command == u"DEDICATED") {
        tell(reader, tr("Program ini dipersembahkan untuk ") + maker::kDedication + u'.');
    } else if (command == u"DATA") {
        tell(reader, tr("Data yang sedang digunakan : ") + reader.dataFolderShown());
    } else if (command == u"TYDBCUSTHIST") {
        tell(reader,
            tirta::fromCrLf(InfoText(reader.session().recordset(tirta::Role::Info), kCustomHistoryId)));
    } else if (command == u"EMAIL") {
        tell(reader, tr("Kirimkan saran dan kritik ke: ") + maker::kFeedbackAddress);
    } else if (command == u"WWW") {
        tell(reader,
            tr("Informasi terakhir perkembangan program Tirtamaya ada di ") + u'\n' + maker::kWebAddress);
    } else if (command == u"RESETLOCATION") {
        // No data file is found at this path, so the next start asks for the data folder again.
        const tirta::SettingKey location = tirta::setting::location(QString());
        reader.settings().write(location.section, location.key, u"XYZ"_s);
        if (!reader.settings().lastError().isEmpty())
            tell(reader, tirta::notSavedMessage(reader.settings()));
    } else if (command == u"ADVICE") {
        advice(reader);
    } else {
        return false;
    }
    return true;
}

} // namespace tirta::info
