#include "views/course_view_appendix.h"

#include <cmath>

#include "aircraft/met_doc.h"
#include "core/units.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/rounding.h"
#include "route/route_calc.h"
#include "views/appendix_doc.h"
#include "views/course_view_rows.h"

namespace {

double roundTenths(double v) {
    return static_cast<double>(floorHalf(v * 10.0)) / 10.0;
}

// A fuel amount as "%5.1f", or the not-computable mark in the same width.
std::string fuelText(double litres, bool known) {
    if (!known) return std::string(4, ' ') + kNotComputable;
    return strFormat("%5.1f", litres);
}

}  // namespace

int CourseAppendix::NeededLines() const {
    int n = 1;
    if (winds) n += 2;
    if (fuel) n += 2;
    if (sunset) n += 2;
    if (!texts.empty()) n += 1 + static_cast<int>(texts.size());
    return n + 2;
}

CourseAppendix BuildCourseAppendix(const CAppendixDoc& settings, const CRouteResults& results,
                                   const CMetDoc& weather, const CourseUnits& units,
                                   const std::string& destinationName) {
    CourseAppendix a;
    a.winds = settings.m_bWithWinds != 0;
    a.fuel = settings.m_bWithFuel != 0;
    a.sunset = settings.m_bWithSunset != 0;
    for (int i = 0; i < 3; ++i)
        if (settings.m_bWithText[static_cast<size_t>(i)]) a.texts.push_back(settings.GetText(i));

    if (a.winds) {
        for (int layer = 0; layer < 4; ++layer) {
            const LegWind w = weather.GetLayerWind(layer);
            const long long speed = floorHalf(ConvertSpeed(w.speed, weather.m_nWindUnit, units.wind));
            a.windValues[static_cast<size_t>(layer)] =
                strFormat("%03d/%2d", w.direction, static_cast<int>(clampTo<int32_t>(speed)));
        }
        a.windUnitText = strFormat(kAppendixWindUnit, UnitName(units.wind));
    }

    if (a.fuel) {
        const PerformanceResults& p = results.m_Performance;
        const FuelPlan& f = p.fuel;
        const bool known = !p.noFuelFlow && p.haveAircraft && p.ArmsComplete();
        auto volume = [&units](double litres) { return ConvertVolume(litres, DIM_LITER, units.fuel); };
        double alternates = 0;
        for (const AlternateFuel& alt : f.alternates) alternates += volume(alt.fuel);
        const double trip = roundTenths(volume(f.tripFuel) + volume(f.taxiFuel) + volume(f.approachFuel));
        const double reserve = roundTenths(alternates + volume(f.reserveFuel));
        a.fuelLine = strFormat("Treibstoffverbrauch [%s]  Flug: %s  Reserve: %s  Gesamt: %s",
                               UnitName(units.fuel), fuelText(trip, known).c_str(),
                               fuelText(reserve, known).c_str(), fuelText(trip + reserve, known).c_str());
    }

    if (a.sunset) {
        const SunTimes& sun = results.m_Performance.destination.sun;
        const char* name = destinationName.c_str();
        switch (sun.kind) {
            case SunKind::Normal:
                a.sunsetLine = strFormat("Sonnenuntergang in %s: %02d:%02d:%02d UTC", name, sun.set.hours,
                                         sun.set.minutes, sun.set.seconds);
                break;
            case SunKind::PolarNight:
                a.sunsetLine = strFormat("Polarnacht in %s", name);
                break;
            case SunKind::PolarDay:
                a.sunsetLine = strFormat("Polartag in %s", name);
                break;
            case SunKind::Unknown:
                a.sunsetLine = strFormat("Sonnenuntergang in %s: %s", name, kNotComputable);
                break;
        }
    }
    return a;
}
