// Altitude corrections that the flight log applies on every run: the VFR
// semicircular levels, and the place where the safe altitudes over the
// terrain plug in.

#include <cmath>

#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/numtext.h"
#include "platform/rounding.h"
#include "route/route_calc.h"
#include "route/way_doc.h"

RouteCalcLinks& theRouteCalcLinks() {
    static RouteCalcLinks links;
    return links;
}

long SemicircularAltitude(long altitudeFt, int magneticCourse, long thresholdFt) {
    if (altitudeFt <= thresholdFt) return altitudeFt;
    // Eastbound legs (000..179) fly at odd thousands plus 500 ft, the
    // others at even thousands plus 500 ft.
    const long long base = magneticCourse >= 0 && magneticCourse <= 179 ? 3500 : 2500;
    if (base >= altitudeFt) return static_cast<long>(base);
    const long long steps = (static_cast<long long>(altitudeFt) - base + 1999) / 2000;
    return clampTo<int32_t>(base + 2000 * steps);
}

void ApplySemicircularAltitudes(CWayDoc& route) {
    const CCalcDoc& calc = *theCalcDoc();
    const long threshold = static_cast<long>(addHalfTruncate(
        ConvertLength(calc.m_nSemicircleThreshold, calc.m_nSemicircleThresholdUnit, DIM_FEET)));
    const int count = route.GetCount();
    CWayPoint previous;
    if (!route.GetAt(0, previous)) return;
    for (int i = 1; i < count; ++i) {
        CWayPoint wp;
        if (!route.GetAt(i, wp)) return;
        // A waypoint without altitude ends the scan: the rest keep theirs.
        if (previous.GetAltitudeFeet() == NOVALUE_ALTITUDE || wp.GetAltitudeFeet() == NOVALUE_ALTITUDE)
            return;
        if (wp.GetAltitudeFeet() > threshold && previous.IsValid() && wp.IsValid()) {
            int magnetic = previous.GreatCircle(wp).course - wp.GetVariation();
            magnetic = ((magnetic % 360) + 360) % 360;
            const long altitude = SemicircularAltitude(wp.GetAltitudeFeet(), magnetic, threshold);
            if (altitude != wp.GetAltitudeFeet()) {
                wp.SetAltitudeFeet(clampTo<int32_t>(altitude));
                route.ReplaceAt(i, wp);
            }
        }
        previous = wp;
    }
}
