// Navigation math throughput: rhumb-line and great-circle distance and course
// per second over a fixed set of European legs (what every view computes for
// every leg each time it draws), and points along both kinds of line.

#include <benchmark/benchmark.h>

#include <vector>

#include "core/latlon.h"

namespace {

const std::vector<CLatLon>& positions() {
    static const std::vector<CLatLon> points = [] {
        std::vector<CLatLon> p;
        // A deterministic spread over 35..70 N, 15 W..40 E.
        unsigned s = 12345;
        for (int i = 0; i < 1024; ++i) {
            s = s * 1103515245u + 12345u;
            const double lat = 35.0 + (s >> 8) % 35000 / 1000.0;
            s = s * 1103515245u + 12345u;
            const double lon = -15.0 + (s >> 8) % 55000 / 1000.0;
            p.emplace_back(lat, lon);
        }
        return p;
    }();
    return points;
}

template <typename Fn>
void runLegs(benchmark::State& state, Fn fn) {
    const auto& p = positions();
    size_t i = 0;
    for (auto _ : state) {
        const CLatLon& a = p[i & 1023];
        const CLatLon& b = p[(i + 1) & 1023];
        benchmark::DoNotOptimize(fn(a, b));
        ++i;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void BM_RhumbLine(benchmark::State& state) {
    runLegs(state, [](const CLatLon& a, const CLatLon& b) { return a.RhumbLine(b); });
}
BENCHMARK(BM_RhumbLine);

void BM_GreatCircle(benchmark::State& state) {
    runLegs(state, [](const CLatLon& a, const CLatLon& b) { return a.GreatCircle(b); });
}
BENCHMARK(BM_GreatCircle);

void BM_RhumbLinePoint(benchmark::State& state) {
    runLegs(state, [](const CLatLon& a, const CLatLon& b) { return CLatLon::RhumbLinePoint(a, b, 25.0); });
}
BENCHMARK(BM_RhumbLinePoint);

void BM_GreatCirclePoint(benchmark::State& state) {
    runLegs(state, [](const CLatLon& a, const CLatLon& b) { return CLatLon::GreatCirclePoint(a, b, 25.0); });
}
BENCHMARK(BM_GreatCirclePoint);

}  // namespace
