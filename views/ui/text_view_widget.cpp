#include "views/ui/text_view_widget.h"

#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/prompt.h"
#include "platform/qt/qt_canvas.h"
#include "views/ui/text_view_print.h"

namespace {

constexpr double kUnitsPerInch = 254.0;
constexpr int kLineStepUnits = 100;  // vertical line step: 10 mm

std::vector<TextViewWidget*>& liveViews() {
    static std::vector<TextViewWidget*> views;
    return views;
}

int unitsToPixels(long long units, int dpi) {
    const double px = std::ceil(static_cast<double>(units) * dpi / kUnitsPerInch);
    return static_cast<int>(std::clamp(px, 0.0, static_cast<double>(INT_MAX / 2)));
}

}  // namespace

TextViewWidget::TextViewWidget(std::unique_ptr<CTextViewTool> view, QWidget* parent)
    : QAbstractScrollArea(parent), owned_(std::move(view)), view_(owned_.get()) {
    Init();
}

TextViewWidget::TextViewWidget(CTextViewTool& view, QWidget* parent) : QAbstractScrollArea(parent), view_(&view) {
    Init();
}

TextViewWidget::~TextViewWidget() {
    auto& views = liveViews();
    views.erase(std::remove(views.begin(), views.end(), this), views.end());
}

void TextViewWidget::Init() {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    liveViews().push_back(this);
}

void TextViewWidget::UpdateAllTextViews() {
    // A copy: an update may create or close views.
    const std::vector<TextViewWidget*> views = liveViews();
    for (TextViewWidget* view : views) view->OnUpdate();
}

void TextViewWidget::OnUpdate() {
    pendingWarnings_.clear();
    if (view_->HasDocument()) {
        // Measure on an image with the screen's resolution, so the fonts
        // measure as they will paint.
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(static_cast<int>(std::lround(viewport()->logicalDpiX() / 0.0254)));
        probe.setDotsPerMeterY(static_cast<int>(std::lround(viewport()->logicalDpiY() / 0.0254)));
        QPainter painter(&probe);
        {
            QtCanvas canvas(painter);
            view_->MeasureForScreen(canvas);
        }
        painter.end();
        pendingWarnings_ = view_->Warnings();
    }
    SetScrollExtent();
    viewport()->update();
    if (!pendingWarnings_.empty() && !warningsQueued_) {
        // Not from inside whatever called the update: the messages come
        // once the event loop runs again.
        warningsQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            warningsQueued_ = false;
            ShowPendingWarnings();
        });
    }
}

void TextViewWidget::ShowPendingWarnings() {
    if (!isVisible()) return;  // kept until the view is shown
    const std::vector<std::string> warnings = std::move(pendingWarnings_);
    pendingWarnings_.clear();
    for (const std::string& text : warnings) thePrompt().Message(text, MessageKind::Warning);
}

void TextViewWidget::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (!pendingWarnings_.empty() && !warningsQueued_) {
        warningsQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            warningsQueued_ = false;
            ShowPendingWarnings();
        });
    }
}

void TextViewWidget::SetScrollExtent() {
    const Size extent = view_->GetExtent();
    const int width = unitsToPixels(extent.cx, viewport()->logicalDpiX());
    const int height = unitsToPixels(extent.cy, viewport()->logicalDpiY());
    const QSize client = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, width - client.width()));
    h->setPageStep(std::max(1, client.width()));
    h->setSingleStep(std::max(1, client.width() / 10));
    v->setRange(0, std::max(0, height - client.height()));
    v->setPageStep(std::max(1, client.height()));
    v->setSingleStep(std::max(1, unitsToPixels(kLineStepUnits, viewport()->logicalDpiY())));
}

void TextViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    // The page scrolls by whole pixels, so scrolled-in strips meet exactly.
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    QtCanvas canvas(painter);
    view_->OnPrepareDC(canvas);
    view_->SetDrawing(true);
    view_->OnDraw(canvas);
}

void TextViewWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    SetScrollExtent();
}

void TextViewWidget::keyPressEvent(QKeyEvent* event) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_PageUp:
            v->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            v->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            h->setValue(h->minimum());
            v->setValue(v->minimum());
            break;
        case Qt::Key_End:
            h->setValue(h->maximum());
            v->setValue(v->maximum());
            break;
        case Qt::Key_Up:
            v->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Left:
            h->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

bool TextViewWidget::Print() { return PrintTextView(*view_, this); }

void TextViewWidget::PrintPreview() { PreviewTextView(*view_, this); }

bool TextViewWidget::ExportPdf(const std::string& path) { return ExportTextViewPdf(*view_, path); }

bool TextViewWidget::CopyToClipboard() { return CopyTextViewToClipboard(*view_, window()); }
