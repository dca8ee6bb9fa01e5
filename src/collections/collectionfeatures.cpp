#include "collectionfeatures.h"

#include "collections/form4.h"
#include "collections/form5.h"
#include "collections/form6.h"
#include "uikit/featurewindow.h"

namespace tirta::collections {

void installParables(tirta::ui::Reader& reader)
{
    tirta::ui::installFeatureWindow<Form4>(reader, tirta::ui::Feature::Perumpamaan);
}

void installProphecies(tirta::ui::Reader& reader)
{
    tirta::ui::installFeatureWindow<Form5>(reader, tirta::ui::Feature::Nubuat);
}

void installPictures(tirta::ui::Reader& reader)
{
    tirta::ui::installFeatureWindow<Form6>(reader, tirta::ui::Feature::Peta);
}

} // namespace tirta::collections
