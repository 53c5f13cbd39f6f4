// Archive read throughput: records per second of a 72-byte record read field
// by field (the layout of a location), from a file of 50,000 records.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/archive.h"

namespace {

const std::string& fixtureFile() {
    static const std::string path = [] {
        std::string p = "/tmp/navora-bench-archive-" + std::to_string(getpid()) + ".bin";
        CArchive ar(p, CArchive::store);
        for (int i = 0; i < 50000; ++i) {
            ar.WriteFixedText("Frankfurt-Egelsb.", 18, CodePage::Cp850);
            ar.WriteDouble(49.96 + i * 1e-5);
            ar.WriteDouble(8.64333);
            ar.WriteI32(385);
            ar.WriteI16(0);
            ar.WriteI32(121725);
            ar.WriteI16(1166);
            ar.WriteI16(0);
            ar.WriteU8(9);
            ar.WriteU8(1);
            ar.WriteFixedText("EDFE", 6);
            ar.WriteI16(1);
            ar.WriteI16(6);
            ar.WriteI16(3);
            ar.WriteI16(0x4445);
            ar.WriteU8(1);
            ar.WriteU8(0);
            ar.WriteI16(1);
            ar.WriteI32(-1);
        }
        ar.Close();
        std::atexit([] { std::remove(fixtureFile().c_str()); });
        return p;
    }();
    return path;
}

void BM_ReadLocationRecords(benchmark::State& state) {
    const std::string& path = fixtureFile();
    int64_t records = 0;
    for (auto _ : state) {
        CArchive ar(path, CArchive::load);
        const auto n = static_cast<int>(ar.GetFileLength() / 72);
        for (int i = 0; i < n; ++i) {
            benchmark::DoNotOptimize(ar.ReadFixedText(18, CodePage::Cp850));
            benchmark::DoNotOptimize(ar.ReadDouble());
            benchmark::DoNotOptimize(ar.ReadDouble());
            benchmark::DoNotOptimize(ar.ReadI32());
            benchmark::DoNotOptimize(ar.ReadI16());
            benchmark::DoNotOptimize(ar.ReadI32());
            benchmark::DoNotOptimize(ar.ReadI16());
            benchmark::DoNotOptimize(ar.ReadI16());
            benchmark::DoNotOptimize(ar.ReadU8());
            benchmark::DoNotOptimize(ar.ReadU8());
            benchmark::DoNotOptimize(ar.ReadFixedText(6));
            for (int k = 0; k < 4; ++k) benchmark::DoNotOptimize(ar.ReadI16());
            benchmark::DoNotOptimize(ar.ReadU8());
            benchmark::DoNotOptimize(ar.ReadU8());
            benchmark::DoNotOptimize(ar.ReadI16());
            benchmark::DoNotOptimize(ar.ReadI32());
        }
        records += n;
    }
    state.SetItemsProcessed(records);
}
BENCHMARK(BM_ReadLocationRecords)->Unit(benchmark::kMillisecond);

void BM_ReadRawRecords(benchmark::State& state) {
    const std::string& path = fixtureFile();
    int64_t records = 0;
    unsigned char record[72];
    for (auto _ : state) {
        CArchive ar(path, CArchive::load);
        const auto n = static_cast<int>(ar.GetFileLength() / 72);
        for (int i = 0; i < n; ++i) ar.ReadRaw(record, sizeof record);
        benchmark::DoNotOptimize(record);
        records += n;
    }
    state.SetItemsProcessed(records);
}
BENCHMARK(BM_ReadRawRecords)->Unit(benchmark::kMillisecond);

}  // namespace
