#include "core/ui/splash_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "core/ui/resources/toolbar_icons.h"
#include "platform/qt/qt_timers.h"

namespace {
QLabel* centredLabel(const QString& text, int pointSize, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
}  // namespace

CSplashDlg::CSplashDlg(std::function<void()> load, TimerService* timers, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      ownTimers_(timers ? nullptr : std::make_unique<QtTimers>()) {
    setObjectName("SplashDialog");
    setWindowTitle("Navora");
    sequence_ = std::make_unique<SplashSequence>(timers ? *timers : *ownTimers_, std::move(load),
                                                 [this] { accept(); });

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    auto* title = centredLabel(QStringLiteral("N a v o r a"), 26, true, frame);
    title->setObjectName("Title");
    auto* framed = new QVBoxLayout(frame);
    framed->setContentsMargins(24, 12, 24, 12);
    framed->addWidget(title);

    auto* icon = new QLabel(this);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    auto* subtitle = centredLabel(QStringLiteral("Flugvorbereitung"), 14, false, this);
    subtitle->setObjectName("Subtitle");
    auto* version = centredLabel(QStringLiteral("Vers.: 4.1.0.2"), 9, false, this);
    version->setObjectName("Version");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 16);
    layout->setSpacing(12);
    layout->addWidget(frame);
    layout->addWidget(icon);
    layout->addWidget(subtitle);
    layout->addWidget(version);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

CSplashDlg::~CSplashDlg() = default;

void CSplashDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    sequence_->Start();
    // A window system that never asks for a paint must not stop the loading.
    QTimer::singleShot(kPaintWaitMs, this, [this] { PostLoad(); });
}

void CSplashDlg::PostLoad() {
    if (loadPosted_) return;
    loadPosted_ = true;
    QTimer::singleShot(0, this, [this] { sequence_->RunLoad(); });
}

void CSplashDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The loading starts after the window has been painted once.
    PostLoad();
}
