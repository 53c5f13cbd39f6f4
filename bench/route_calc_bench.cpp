// The flight log: one run of the route computation for routes of 100 and
// 1,000 legs (the legs and alternates alone, as the table computes them, and
// the complete run with fuel and performance), and laying out and printing a
// flight log of three pages on a recording canvas that keeps no log; the
// fuel sheet's screen update.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane.h"
#include "platform/recording_canvas.h"
#include "route/route_calc.h"
#include "route/way_doc.h"
#include "views/course_view.h"
#include "views/fuel_view.h"

namespace {

CPlane benchPlane() {
    CPlane p;
    p.m_strName = "D-BENCH";
    p.m_fCruiseSpeed = 110;
    p.m_fClimbSpeed = 75;
    p.m_fDescentSpeed = 120;
    p.m_fCruiseFlow = 30;
    p.m_fClimbFlow = 38;
    p.m_fDescentFlow = 22;
    p.m_nSeatRows = 2;
    p.m_fSeatArm = {0.94f, 1.85f, 99, 99, 99};
    p.m_nBaggageCompartments = 1;
    p.m_fBaggageArm = {2.41f, 99, 99, 99, 99};
    p.m_nTanks = 1;
    p.m_fTankUsable = {150, -1, -1};
    p.m_fTankUnusable = {4, -1, -1};
    p.m_fTankArm = {1.2f, 99, 99};
    p.m_fEmptyMass = 700;
    p.m_fEmptyMoment = 690;
    return p;
}

// A zigzag from the Rhine to the east with a few altitude changes and an
// alternate at the end.
void buildRoute(CWayDoc& route, int legs) {
    for (int i = 0; i <= legs; ++i) {
        CLocation loc(std::string("WP") + std::to_string(i), (i % 7) - 3, LOC_MIN_1000);
        loc.m_dLat = 48.0 + 0.3 * std::sin(i * 0.7) + (i % 2) * 0.1;
        loc.m_dLon = 7.0 + 0.05 * i;
        loc.SetElevation(300 + (i * 37) % 900);
        loc.SetElevationUnit(DIM_FEET);
        CWayPoint wp(loc);
        wp.SetPlannedAltitude(i == 0 ? 400 : 2500 + 1000 * ((i / 10) % 4));
        wp.SetAltitudeUnit(DIM_FEET);
        route.Append(wp);
    }
    CLocation alternate("ALT", 2, LOC_MIN_1000);
    alternate.m_dLat = 48.5;
    alternate.m_dLon = 7.0 + 0.05 * legs + 0.4;
    route.SetOption(RTE_ALTERNATES, true);
    CWayPoint alt(alternate);
    alt.SetPlannedAltitude(3000);
    alt.SetAltitudeUnit(DIM_FEET);
    route.SetAlternate(1, alt);
}

struct Weather {
    CMetDoc met;
    Weather() {
        met.SetLayerWind(0, 250, 10);
        met.SetLayerWind(1, 260, 18);
        met.SetLayerWind(2, 270, 25);
        met.SetLayerWind(3, 280, 35);
        SetMetDoc(&met);
    }
    ~Weather() { SetMetDoc(nullptr); }
};

void LegsRun(benchmark::State& state) {
    Weather weather;
    CWayDoc route;
    buildRoute(route, static_cast<int>(state.range(0)));
    const CPlane plane = benchPlane();
    CRouteCalc& calc = route.GetCalc();
    for (auto _ : state) {
        calc.Prepare(plane);
        calc.ComputeLegs();
        calc.ComputeAlternateLegs();
        calc.RestoreModified();
        benchmark::DoNotOptimize(calc.GetTotalTime());
    }
    state.counters["legs"] = calc.GetLegCount();
}
BENCHMARK(LegsRun)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void CompleteRun(benchmark::State& state) {
    Weather weather;
    CWayDoc route;
    buildRoute(route, static_cast<int>(state.range(0)));
    const CPlane plane = benchPlane();
    CLoadDoc load;
    CRouteCalc& calc = route.GetCalc();
    for (auto _ : state) {
        calc.Prepare(plane);
        benchmark::DoNotOptimize(calc.Compute(plane, weather.met, load));
        calc.RestoreModified();
    }
    state.counters["legs"] = calc.GetLegCount();
}
BENCHMARK(CompleteRun)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// 85 waypoints make three printed A4 pages of the flight log.
void PrintThreePages(benchmark::State& state) {
    Weather weather;
    CWayDoc route;
    buildRoute(route, 84);
    const CPlane plane = benchPlane();
    CCourseView view(&route);
    view.SetPlane(&plane);
    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    RecordingCanvas canvas(device);
    canvas.SetRecording(false);
    int pages = 0;
    for (auto _ : state) {
        pages = view.Paginate(canvas);
        for (int page = 1; page <= pages; ++page) view.OnPrint(canvas, page);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(PrintThreePages)->Unit(benchmark::kMillisecond);

// The fuel sheet as the screen updates it: the complete run, the sheet's
// lines, the column layout and the measuring and drawing passes.
void FuelSheetScreen(benchmark::State& state) {
    Weather weather;
    CWayDoc route;
    buildRoute(route, static_cast<int>(state.range(0)));
    const CPlane plane = benchPlane();
    CLoadDoc load;
    SetLoadDoc(&load);
    CFuelView view(&route);
    view.SetPlane(&plane);
    RecordingCanvas canvas;
    canvas.SetRecording(false);
    for (auto _ : state) {
        view.MeasureForScreen(canvas);
        view.OnPrepareDC(canvas);
        view.OnDraw(canvas);
        benchmark::DoNotOptimize(view.GetExtentHeight());
    }
    SetLoadDoc(nullptr);
    state.counters["sections"] = static_cast<double>(view.Sheet().sections.size());
}
BENCHMARK(FuelSheetScreen)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
