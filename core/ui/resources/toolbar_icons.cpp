#include "core/ui/resources/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace {

// Every picture is drawn on a 24 x 24 grid.
using Draw = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 48);
const QColor kPaper(252, 252, 248);
const QColor kBlue(40, 100, 190);
const QColor kSky(200, 225, 245);
const QColor kLand(214, 232, 196);
const QColor kRed(200, 40, 40);
const QColor kGreen(40, 140, 60);
const QColor kBrown(150, 110, 60);
const QColor kYellow(240, 200, 60);

QPen pen(const QColor& c, double w = 1.2) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QIcon render(const Draw& draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

// ---- shapes -------------------------------------------------------------------

void page(QPainter& p, QRectF r) {
    const double fold = 5;
    QPolygonF outline({r.topLeft(), QPointF(r.right() - fold, r.top()), QPointF(r.right(), r.top() + fold),
                       r.bottomRight(), r.bottomLeft()});
    p.setPen(pen(kInk));
    p.setBrush(kPaper);
    p.drawPolygon(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                              QPointF(r.right(), r.top() + fold)}));
}

void textLines(QPainter& p, QRectF r, int count) {
    p.setPen(pen(QColor(120, 120, 130), 1.0));
    for (int i = 0; i < count; ++i) {
        const double y = r.top() + i * r.height() / std::max(1, count - 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * 2, y));
    }
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2.0) {
    p.setPen(pen(c, width));
    p.drawLine(from, to);
    const double a = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double len = 4.5;
    QPolygonF head({to, to - QPointF(len * std::cos(a - 0.5), len * std::sin(a - 0.5)),
                    to - QPointF(len * std::cos(a + 0.5), len * std::sin(a + 0.5))});
    p.setBrush(c);
    p.setPen(pen(c, 1.0));
    p.drawPolygon(head);
}

// A top view of a light aircraft, nose up, centred on `c`, `s` = span.
void aircraft(QPainter& p, QPointF c, double s, const QColor& colour) {
    const double k = s / 20.0;
    auto P = [&](double x, double y) { return c + QPointF(x * k, y * k); };
    QPolygonF body({P(-1, -9), P(1, -9), P(1.2, -3), P(10, -2), P(10, 0.5), P(1.2, 1), P(0.8, 6), P(4, 7.5),
                    P(4, 9), P(-4, 9), P(-4, 7.5), P(-0.8, 6), P(-1.2, 1), P(-10, 0.5), P(-10, -2),
                    P(-1.2, -3)});
    p.setPen(pen(colour.darker(140), 0.8));
    p.setBrush(colour);
    p.drawPolygon(body);
}

void magnifier(QPainter& p, QPointF c, double r, int sign) {
    p.setPen(pen(kInk, 2.0));
    p.drawLine(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 1.7, r * 1.7));
    p.setPen(pen(kInk, 1.4));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(c, r, r);
    if (sign != 0) {
        p.setPen(pen(kInk, 1.6));
        p.drawLine(c - QPointF(r * 0.5, 0), c + QPointF(r * 0.5, 0));
        if (sign > 0) p.drawLine(c - QPointF(0, r * 0.5), c + QPointF(0, r * 0.5));
    }
}

void mapSheet(QPainter& p, QRectF r) {
    p.setPen(pen(kInk));
    p.setBrush(kLand);
    p.drawRect(r);
    p.setPen(pen(kSky.darker(130), 1.0));
    QPainterPath river;
    river.moveTo(r.left(), r.bottom() - 4);
    river.cubicTo(r.left() + 6, r.bottom() - 9, r.right() - 8, r.top() + 10, r.right(), r.top() + 5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(river);
}

void route(QPainter& p, const QPolygonF& points) {
    p.setPen(pen(kRed, 1.8));
    p.drawPolyline(points);
    p.setBrush(kPaper);
    p.setPen(pen(kRed, 1.0));
    for (const QPointF& pt : points) p.drawEllipse(pt, 1.6, 1.6);
}

void mountains(QPainter& p, double base, const QColor& fill) {
    QPolygonF ridge({QPointF(2, base), QPointF(7, base - 9), QPointF(10, base - 5), QPointF(15, base - 12),
                     QPointF(22, base), QPointF(2, base)});
    p.setPen(pen(fill.darker(150), 1.0));
    p.setBrush(fill);
    p.drawPolygon(ridge);
}

void chartAxes(QPainter& p) {
    p.setPen(pen(kInk, 1.2));
    p.drawLine(QPointF(3, 3), QPointF(3, 21));
    p.drawLine(QPointF(3, 21), QPointF(22, 21));
}

void letters(QPainter& p, QRectF r, const QString& text, const QColor& c, double pixelSize,
             bool bold = true) {
    QFont f("Liberation Sans");
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

void gpsDevice(QPainter& p, QRectF r) {
    p.setPen(pen(kInk));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(QColor(170, 210, 170));
    p.drawRect(r.adjusted(2, 2, -2, -r.height() / 2));
    p.setPen(pen(kInk, 1.2));
    p.drawLine(QPointF(r.center().x() + 2, r.top()), QPointF(r.center().x() + 2, r.top() - 3));
}

// ---- pictures by command ------------------------------------------------------------

// Draws the picture of `id`; false for a command without one.
bool drawCommand(int id, QPainter& p) {
    switch (id) {
        case 57600:  // new route
            page(p, QRectF(5, 2, 14, 19));
            break;
        case 57601:  // open
            p.setPen(pen(kInk));
            p.setBrush(kYellow);
            p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(8, 6), QPointF(10, 8), QPointF(19, 8),
                                     QPointF(19, 19), QPointF(2, 19)}));
            p.setBrush(kYellow.lighter(115));
            p.drawPolygon(QPolygonF({QPointF(2, 19), QPointF(6, 11), QPointF(23, 11), QPointF(19, 19)}));
            break;
        case 57603:  // save
            p.setPen(pen(kInk));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(7, 3, 10, 7));
            p.setBrush(QColor(220, 220, 220));
            p.drawRect(QRectF(6, 13, 12, 8));
            break;
        case 57634:  // copy
            page(p, QRectF(3, 2, 11, 14));
            page(p, QRectF(9, 8, 11, 14));
            break;
        case 57607:  // print
            p.setPen(pen(kInk));
            p.setBrush(kPaper);
            p.drawRect(QRectF(7, 3, 10, 7));
            p.setBrush(QColor(190, 190, 195));
            p.drawRoundedRect(QRectF(3, 9, 18, 9), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(7, 15, 10, 6));
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(18, 12), 1, 1);
            break;
        case 57609:  // print preview
            page(p, QRectF(3, 2, 13, 18));
            textLines(p, QRectF(5, 6, 8, 8), 4);
            magnifier(p, QPointF(14, 13), 4, 0);
            break;
        case 57664:  // about
            p.setPen(pen(kBlue, 1.5));
            p.setBrush(kSky);
            p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
            letters(p, QRectF(2, 2, 20, 20), "?", kBlue.darker(130), 15);
            break;
        case 33306: {  // signal on save: a bell
            p.setPen(pen(kInk));
            p.setBrush(kYellow);
            QPainterPath bell;
            bell.moveTo(5, 17);
            bell.cubicTo(7, 15, 6, 5, 12, 4);
            bell.cubicTo(18, 5, 17, 15, 19, 17);
            bell.closeSubpath();
            p.drawPath(bell);
            p.drawEllipse(QPointF(12, 19), 2, 2);
            p.setPen(pen(kInk, 1.0));
            p.drawLine(QPointF(12, 2), QPointF(12, 4));
            break;
        }

        // ---- views
        case 32880: {  // flight log table
            p.setPen(pen(kInk));
            p.setBrush(kPaper);
            p.drawRect(QRectF(2, 3, 20, 18));
            p.setBrush(kSky);
            p.drawRect(QRectF(2, 3, 20, 4));
            p.setPen(pen(QColor(120, 120, 130), 0.8));
            for (double y : {11.0, 15.0}) p.drawLine(QPointF(2, y), QPointF(22, y));
            for (double x : {8.0, 14.0}) p.drawLine(QPointF(x, 3), QPointF(x, 21));
            break;
        }
        case 33304:  // drawn map
        case 32881:
        case 32889:
            mapSheet(p, QRectF(2, 3, 20, 18));
            route(p, QPolygonF({QPointF(5, 17), QPointF(10, 9), QPointF(18, 7)}));
            break;
        case 33305:  // scanned map
        case 32882:
        case 32890:
            p.setPen(pen(kBrown, 1.5));
            p.setBrush(QColor(245, 235, 210));
            p.drawRect(QRectF(2, 3, 20, 18));
            mountains(p, 19, QColor(160, 190, 140));
            p.setPen(pen(kYellow.darker(120), 1.2));
            p.setBrush(kYellow);
            p.drawEllipse(QPointF(17, 8), 2.2, 2.2);
            break;
        case 32883:  // vertical profile
            chartAxes(p);
            mountains(p, 21, QColor(170, 140, 100));
            p.setPen(pen(kBlue, 1.6));
            p.drawPolyline(QPolygonF({QPointF(4, 19), QPointF(8, 6), QPointF(17, 6), QPointF(21, 19)}));
            break;
        case 32884: {  // fuel: a drop
            QPainterPath drop;
            drop.moveTo(12, 2);
            drop.cubicTo(14, 8, 19, 11, 19, 15);
            drop.cubicTo(19, 19.5, 15.5, 22, 12, 22);
            drop.cubicTo(8.5, 22, 5, 19.5, 5, 15);
            drop.cubicTo(5, 11, 10, 8, 12, 2);
            p.setPen(pen(kInk));
            p.setBrush(QColor(230, 150, 40));
            p.drawPath(drop);
            break;
        }
        case 32885:  // flight plan form
            page(p, QRectF(4, 2, 16, 20));
            p.setPen(pen(kBlue, 0.9));
            p.setBrush(kSky);
            for (double y : {6.0, 10.5, 15.0}) p.drawRect(QRectF(6.5, y, 10, 2.8));
            break;
        case 32886:  // route data: list with a pin
            page(p, QRectF(3, 2, 15, 20));
            textLines(p, QRectF(5, 7, 10, 11), 5);
            p.setPen(pen(kRed.darker(120), 1.0));
            p.setBrush(kRed);
            p.drawEllipse(QPointF(18, 6), 3, 3);
            p.drawLine(QPointF(18, 9), QPointF(18, 13));
            break;
        case 32887:  // aircraft data
            aircraft(p, QPointF(12, 12), 20, kBlue);
            break;
        case 32888:  // location list
            page(p, QRectF(3, 2, 17, 20));
            for (int i = 0; i < 4; ++i) {
                const double y = 6.5 + i * 4;
                p.setPen(pen(kBlue, 1.0));
                p.setBrush(kSky);
                p.drawEllipse(QPointF(7, y), 1.4, 1.4);
                p.setPen(pen(QColor(120, 120, 130), 1.0));
                p.drawLine(QPointF(10, y), QPointF(17, y));
            }
            break;
        case 32891:  // track altitude chart
            chartAxes(p);
            p.setPen(pen(kBlue, 1.6));
            p.drawPolyline(QPolygonF({QPointF(4, 19), QPointF(9, 8), QPointF(16, 7), QPointF(21, 18)}));
            break;
        case 32892:  // track speed chart
            chartAxes(p);
            p.setPen(pen(kGreen, 1.6));
            p.drawPolyline(
                QPolygonF({QPointF(4, 18), QPointF(7, 9), QPointF(11, 11), QPointF(15, 7), QPointF(21, 10)}));
            break;

        // ---- GPS
        case 32925:  // choose the receiver
            gpsDevice(p, QRectF(6, 4, 12, 18));
            break;
        case 32772:  // route from the receiver
            gpsDevice(p, QRectF(2, 6, 10, 16));
            arrow(p, QPointF(13, 14), QPointF(22, 14), kGreen);
            break;
        case 32773:  // route to the receiver
            gpsDevice(p, QRectF(12, 6, 10, 16));
            arrow(p, QPointF(2, 14), QPointF(11, 14), kRed);
            break;
        case 32774:  // track from the receiver
            gpsDevice(p, QRectF(2, 6, 10, 16));
            p.setPen(QPen(kBlue, 1.6, Qt::DotLine, Qt::RoundCap));
            p.drawPolyline(QPolygonF({QPointF(13, 20), QPointF(16, 12), QPointF(22, 8)}));
            break;
        case 32781:  // moving map
            mapSheet(p, QRectF(2, 3, 20, 18));
            aircraft(p, QPointF(12, 12), 13, kRed);
            break;
        case 32782:  // flight recorder
            p.setPen(pen(kInk));
            p.setBrush(QColor(60, 60, 66));
            p.drawRoundedRect(QRectF(2, 5, 20, 14), 3, 3);
            p.setBrush(kRed);
            p.setPen(pen(kRed.darker(130), 1.0));
            p.drawEllipse(QPointF(12, 12), 4, 4);
            break;

        // ---- map symbols
        case 32946:  // airports
            p.setPen(pen(kBlue, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(12, 12), 7, 7);
            p.setPen(pen(kBlue, 3.0));
            p.drawLine(QPointF(6, 17), QPointF(18, 7));
            break;
        case 32947:  // reporting points
            p.setPen(pen(kBlue.darker(120), 1.0));
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF({QPointF(12, 4), QPointF(20, 19), QPointF(4, 19)}));
            break;
        case 32948:  // intersections
            p.setPen(pen(kBlue, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(QPolygonF({QPointF(12, 4), QPointF(20, 19), QPointF(4, 19)}));
            break;
        case 32949: {  // NDBs
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 40, 120));
            for (int ring = 0; ring < 2; ++ring) {
                const double r = 5.0 + ring * 3.5;
                const int dots = 8 + ring * 6;
                for (int i = 0; i < dots; ++i) {
                    const double a = 2 * M_PI * i / dots;
                    p.drawEllipse(QPointF(12 + r * std::cos(a), 12 + r * std::sin(a)), 0.9, 0.9);
                }
            }
            p.drawEllipse(QPointF(12, 12), 2, 2);
            break;
        }
        case 32950: {  // VORs
            QPolygonF hex;
            for (int i = 0; i < 6; ++i)
                hex << QPointF(12 + 8 * std::cos(M_PI / 3 * i), 12 + 8 * std::sin(M_PI / 3 * i));
            p.setPen(pen(kBlue, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(hex);
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(12, 12), 1.5, 1.5);
            break;
        }
        case 32951:  // user points
            p.setPen(pen(kGreen, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(6, 6, 12, 12));
            p.drawLine(QPointF(12, 8), QPointF(12, 16));
            p.drawLine(QPointF(8, 12), QPointF(16, 12));
            break;
        case 32952: {  // gliding sites: a glider
            p.setPen(pen(kInk, 1.6));
            p.drawLine(QPointF(2, 10), QPointF(22, 10));
            p.drawLine(QPointF(12, 6), QPointF(12, 20));
            p.drawLine(QPointF(9, 20), QPointF(15, 20));
            break;
        }
        case 32953:  // heliports
            p.setPen(pen(kBlue, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
            letters(p, QRectF(3, 3, 18, 18), "H", kBlue, 12);
            break;
        case 32954:  // labels
            p.setPen(pen(kInk, 1.0));
            p.setBrush(kPaper);
            p.drawRect(QRectF(2, 6, 20, 12));
            letters(p, QRectF(2, 6, 20, 12), "Ab", kInk, 10);
            break;
        case 32955:  // frames of scanned maps
            p.setPen(pen(kBrown, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(3, 3, 12, 10));
            p.drawRect(QRectF(9, 10, 12, 10));
            break;
        case 32956:  // maximum elevations
            mountains(p, 21, QColor(170, 140, 100));
            letters(p, QRectF(2, 1, 20, 9), "25", kRed, 9);
            break;
        case 32957:  // airspace
            p.setPen(QPen(kBlue, 1.6, Qt::DashLine, Qt::RoundCap));
            p.setBrush(QColor(40, 100, 190, 50));
            p.drawPolygon(
                QPolygonF({QPointF(4, 8), QPointF(11, 3), QPointF(20, 6), QPointF(21, 17), QPointF(8, 20)}));
            break;

        // ---- waypoint
        case 33307:  // towards the departure
            arrow(p, QPointF(20, 12), QPointF(5, 12), kBlue, 2.4);
            p.setPen(pen(kInk, 1.4));
            p.drawLine(QPointF(3, 5), QPointF(3, 19));
            break;
        case 33308:  // towards the destination
            arrow(p, QPointF(4, 12), QPointF(19, 12), kBlue, 2.4);
            p.setPen(pen(kInk, 1.4));
            p.drawLine(QPointF(21, 5), QPointF(21, 19));
            break;

        // ---- drawn map
        case 32940:  // whole region
            mapSheet(p, QRectF(2, 3, 20, 18));
            p.setPen(QPen(kInk, 1.2, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(4, 5, 16, 14));
            break;
        case 32941:  // whole route
            p.setPen(QPen(kInk, 1.2, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(2, 3, 20, 18));
            route(p, QPolygonF({QPointF(5, 18), QPointF(11, 7), QPointF(19, 11)}));
            break;
        case 33300:  // centre at the next click
            p.setPen(pen(kInk, 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(12, 12), 6, 6);
            p.drawLine(QPointF(12, 2), QPointF(12, 8));
            p.drawLine(QPointF(12, 16), QPointF(12, 22));
            p.drawLine(QPointF(2, 12), QPointF(8, 12));
            p.drawLine(QPointF(16, 12), QPointF(22, 12));
            break;
        case 33301:
        case 32944:
            magnifier(p, QPointF(10, 10), 6.5, +1);
            break;
        case 33302:
        case 32945:
            magnifier(p, QPointF(10, 10), 6.5, -1);
            break;
        default:
            return false;
    }
    return true;
}

bool hasPicture(int id) {
    QPixmap probe(1, 1);
    QPainter p(&probe);
    return drawCommand(id, p);
}

}  // namespace

QIcon ToolbarIcon(int command) {
    if (!hasPicture(command)) return {};
    return render([command](QPainter& p) { drawCommand(command, p); });
}

QIcon ProgramIcon() {
    return render([](QPainter& p) {
        p.setPen(pen(kBlue.darker(130), 1.2));
        p.setBrush(kSky);
        p.drawEllipse(QPointF(12, 12), 11, 11);
        p.setPen(pen(kBlue, 1.0));
        for (int i = 0; i < 12; ++i) {
            const double a = M_PI / 6 * i;
            const double inner = i % 3 == 0 ? 7.5 : 9.0;
            p.drawLine(QPointF(12 + inner * std::cos(a), 12 + inner * std::sin(a)),
                       QPointF(12 + 10.5 * std::cos(a), 12 + 10.5 * std::sin(a)));
        }
        aircraft(p, QPointF(12, 12), 15, kRed);
    });
}
