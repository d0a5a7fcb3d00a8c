// Writing the loads of a long history: concentrated forces, each on its own
// node set, changed in every step (OIF_BENCH_LOADS forces, default 10,000;
// OIF_BENCH_STEPS analysis steps, default 100). The model file is generated
// once; BM_WriteLoadsDeck writes the whole deck through the writer and
// reports its size and speed (bytes_per_second). Every step restates every
// force's changed component, so the deck grows with steps × loads.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Writer.h"

namespace {

long Env(const char* name, long fallback) {
  const char* value = std::getenv(name);
  return value ? std::atol(value) : fallback;
}

std::string TempPath(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

/// A model file: one part with a node and a one-node set per force, one
/// instance, the steps, and the forces with a change in every step.
std::string WriteModel(long loads, long steps) {
  const std::string file = TempPath("oif_bench_loads_model_" + std::to_string(loads) + "_" + std::to_string(steps) + ".json");
  std::FILE* out = std::fopen(file.c_str(), "wb");
  std::fputs("{\"format\": \"oif-model\", \"version\": 1,\n\"parts\": [{\"name\": \"Grid\", \"mesh\": {\"nodes\": {\"coordinates\": [", out);
  for (long i = 0; i < loads; ++i) std::fprintf(out, "%s%ld, 0, 0", i ? ", " : "", i);
  std::fputs("]}, \"elements\": [], \"sets\": [\n", out);
  for (long i = 0; i < loads; ++i)
    std::fprintf(out, "%s{\"name\": \"N%ld\", \"kind\": \"node\", \"nodes\": [%ld]}", i ? ",\n" : "", i, i + 1);
  std::fputs("]}}],\n\"assembly\": {\"instances\": [{\"name\": \"Grid-1\", \"part\": \"Grid\"}]},\n", out);
  std::fputs("\"steps\": [{\"name\": \"Initial\", \"kind\": \"initial\"}", out);
  for (long s = 1; s <= steps; ++s) std::fprintf(out, ",\n{\"name\": \"S%ld\", \"kind\": \"static\"}", s);
  std::fputs("],\n\"loads\": [\n", out);
  for (long i = 0; i < loads; ++i) {
    std::fprintf(out, "%s{\"name\": \"F%ld\", \"kind\": \"concentrated force\", \"region\": {\"set\": \"N%ld\", "
                      "\"instance\": \"Grid-1\"}, \"createdIn\": \"S1\", \"cf1\": %ld.5, \"cf3\": -1, \"changes\": [",
                 i ? ",\n" : "", i, i, i);
    for (long s = 2; s <= steps; ++s) std::fprintf(out, "%s{\"step\": \"S%ld\", \"cf1\": %ld.25}", s > 2 ? ", " : "", s, i + s);
    std::fputs("]}", out);
  }
  std::fputs("]}\n", out);
  std::fclose(out);
  return file;
}

void BM_WriteLoadsDeck(benchmark::State& state) {
  const long loads = Env("OIF_BENCH_LOADS", 10000);
  const long steps = Env("OIF_BENCH_STEPS", 100);
  const std::string model = WriteModel(loads, steps);
  const odb_Odb odb = mfl_ModelFile::Open(model);
  const std::string job = TempPath("oif_bench_loads");
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    oif_Writer writer(odb);
    writer.WriteInputFile(job.c_str());
    bytes = std::filesystem::file_size(job + ".inp");
  }
  state.SetBytesProcessed(std::int64_t(bytes) * state.iterations());
  state.counters["deckMB"] = double(bytes) / 1e6;
  state.counters["steps"] = double(steps);
  state.counters["loads"] = double(loads);
  std::filesystem::remove(job + ".inp");
  std::filesystem::remove(model);
}
BENCHMARK(BM_WriteLoadsDeck)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
