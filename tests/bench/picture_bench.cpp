// Reading every picture of the bundle, as a run does once: at device pixel
// ratio 1 (the 1x files) and at 2 (the "@2x" files).
//   build/tests/picture_bench

#include "bundlepictures.h"
#include "picture.h"

#include <benchmark/benchmark.h>

namespace {

void ReadEveryPicture(benchmark::State& state)
{
    corvanta::SetResourcesFolderForTesting(CORVANTA_BENCH_RESOURCES_DIR);
    corvanta::Picture::SetLoadingPixelRatioForTesting(static_cast<double>(state.range(0)));
    for (auto _ : state) {
        for (const char* name : corvanta::bundle::kPictures) {
            auto picture = corvanta::Picture::OpenFromApp(name);
            if (!picture) {
                state.SkipWithError("a picture of the bundle is missing; build the corvanta_resources target");
                return;
            }
            benchmark::DoNotOptimize(picture);
        }
    }
}

BENCHMARK(ReadEveryPicture)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
