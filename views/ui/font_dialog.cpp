#include "views/ui/font_dialog.h"

#include <QFontDialog>
#include <QString>
#include <algorithm>
#include <cmath>

#include "platform/numtext.h"
#include "views/font_doc.h"
#include "views/ui/text_view_widget.h"

namespace {
// A size the dialog cannot offer is never stored.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 1000;
}  // namespace

QFont CurrentViewFont() {
    const CFontDoc* doc = theFontDoc();
    QFont font(QString::fromStdString(doc->GetFace()));
    font.setPointSize(std::clamp<int>(doc->GetSize(), kMinPoints, kMaxPoints));
    return font;
}

void ApplyViewFont(const QFont& font) {
    // Whole points: a size of 10.5 points is kept as 10.
    int points = font.pointSizeF() > 0 ? static_cast<int>(font.pointSizeF()) : font.pointSize();
    if (points <= 0 && font.pixelSize() > 0) points = static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0));
    CFontDoc* doc = theFontDoc();
    doc->SetFace(font.family().toStdString());
    doc->SetSize(clampTo<int16_t>(std::clamp(points, kMinPoints, kMaxPoints)));
    doc->UpdateAllViews();
    TextViewWidget::UpdateAllTextViews();
}

bool RunFontDialog(QWidget* parent) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, CurrentViewFont(), parent, "Schriften");
    if (!ok) return false;
    ApplyViewFont(chosen);
    return true;
}
