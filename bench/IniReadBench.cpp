// Reading INI text: a configuration file is small, but a file of the allowed size
// (1 MiB, tens of thousands of keys) must still parse and look up in linear time.
#include "settings/IniFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string manyKeys(int keys)
{
    std::string text = "[GeneralConf]\r\n";
    for (int k = 0; k < keys; ++k)
        text += "Key" + std::to_string(k) + "=" + std::to_string(k) + "\r\n";
    return text;
}

void BM_ParseKeys(benchmark::State& state)
{
    const std::string text = manyKeys(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        IniFile ini;
        ini.parse(text);
        benchmark::DoNotOptimize(ini.readInteger("GeneralConf", "Key1", 0));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseKeys)->RangeMultiplier(4)->Range(1250, 80000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
