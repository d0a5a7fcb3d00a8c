// Reading speed of the JSON model file reader on a model-like document:
// ~1M nodes (labels, 3 real coordinates each) and ~1M 8-node elements
// (labels, flat connectivity), i.e. mostly long flat number arrays.
// OIF_BENCH_MODEL=FILE reads that model file instead (gen_mesh's anchor mesh,
// for one).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "modelfile/mfl_Json.h"

namespace {

constexpr int kNodes = 1'000'000;
constexpr int kElements = 1'000'000;

void AppendInt(std::string& out, long long value) {
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;
  out.append(buffer, end);
}

void AppendReal(std::string& out, double value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;
  out.append(buffer, end);
}

const char* GivenModel() { return std::getenv("OIF_BENCH_MODEL"); }

const std::string& ModelText() {
  static const std::string text = [] {
    std::string out;
    if (const char* path = GivenModel()) {
      std::ifstream in(path, std::ios::binary);
      out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      return out;
    }
    out.reserve(std::size_t{120} << 20);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&] {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      return state >> 33;
    };
    out += "{\n  \"name\": \"bench\",\n  \"parts\": [{\n    \"name\": \"P1\",\n    \"mesh\": {\n";
    out += "      \"labels\": [";
    for (int i = 0; i < kNodes; ++i) {
      if (i) out += ", ";
      AppendInt(out, i + 1);
    }
    out += "],\n      \"coordinates\": [";
    for (int i = 0; i < 3 * kNodes; ++i) {
      if (i) out += ", ";
      // Six decimals in [-1000, 1000], as a mesher writes them.
      long long micro = static_cast<long long>(next() % 2'000'000'001ull) - 1'000'000'000;
      AppendReal(out, static_cast<double>(micro) / 1e6);
    }
    out += "],\n      \"elements\": [{\"type\": \"hex8\", \"labels\": [";
    for (int i = 0; i < kElements; ++i) {
      if (i) out += ", ";
      AppendInt(out, i + 1);
    }
    out += "],\n        \"connectivity\": [";
    for (int i = 0; i < 8 * kElements; ++i) {
      if (i) out += ", ";
      AppendInt(out, static_cast<long long>(next() % kNodes) + 1);
    }
    out += "]}]\n    }\n  }]\n}\n";
    return out;
  }();
  return text;
}

double PeakRssMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void Check(benchmark::State& state, const mfl::Document& doc) {
  if (GivenModel()) return;
  const mfl::Node* mesh = doc.Root().Find("parts")->elements().at(0).Find("mesh");
  if (mesh->Find("coordinates")->reals().size() != 3u * kNodes ||
      mesh->Find("elements")->elements().at(0).Find("connectivity")->ints().size() !=
          8u * kElements)
    state.SkipWithError("unexpected tree");
}

void BM_JsonParse(benchmark::State& state) {
  const std::string& text = ModelText();
  for (auto _ : state) {
    mfl::Document doc = mfl::Document::Parse(text, "bench.json");
    Check(state, doc);
    benchmark::DoNotOptimize(doc.Root().kind());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
  state.counters["MiB"] = static_cast<double>(text.size()) / (1 << 20);
}
BENCHMARK(BM_JsonParse)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_JsonLoad(benchmark::State& state) {
  const std::string& text = ModelText();
  const std::string path =
      (std::filesystem::temp_directory_path() / "oif_bench_json_model.json").string();
  std::ofstream(path, std::ios::binary) << text;
  for (auto _ : state) {
    mfl::Document doc = mfl::Document::Load(path);
    Check(state, doc);
    benchmark::DoNotOptimize(doc.Root().kind());
  }
  std::remove(path.c_str());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
  // Peak resident size of the whole process so far: it includes the
  // generated text the benchmark holds and the earlier benchmarks.
  state.counters["peakRSS_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_JsonLoad)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
