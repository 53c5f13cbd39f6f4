#include "views/ui/fuel_view_page.h"

#include <memory>
#include <utility>

#include "core/app_views.h"
#include "views/fuel_view.h"
#include "views/ui/document_text_page.h"

ViewPage MakeFuelViewPage(QWidget* parent) {
    return MakeDocumentTextPage(std::make_unique<CFuelView>(), parent);
}

void RegisterFuelView() {
    RegisterViewFactory(VIEW_FUEL, [](QWidget* parent) { return MakeFuelViewPage(parent); });
}
