#include "core/ui/main_frame_views.h"

#include <QLabel>
#include <QVBoxLayout>
#include <map>

#include "core/app_views.h"

namespace {
std::map<int, ViewFactory>& factories() {
    static std::map<int, ViewFactory> registered;
    return registered;
}
}  // namespace

void RegisterViewFactory(int view, ViewFactory factory) {
    factories()[view] = std::move(factory);
}

void ClearViewFactories() {
    factories().clear();
}

ViewFactory FindViewFactory(int view) {
    const auto it = factories().find(view);
    return it == factories().end() ? ViewFactory() : it->second;
}

ViewPage MakePlaceholderViewPage(int view, QWidget* parent) {
    const ViewInfo* info = FindView(view);
    auto* page = new QWidget(parent);
    page->setBackgroundRole(QPalette::Base);
    page->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(page);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setText(QString::fromUtf8("Die Ansicht »%1« ist noch nicht verfügbar.")
                       .arg(QString::fromUtf8(info ? info->caption : "?")));
    layout->addWidget(label);
    return ViewPage{page, {}, {}, {}};
}
