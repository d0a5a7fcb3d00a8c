// Writing the deck of a large mesh, and loading its model file.
//
// The model: a generated structured mesh of 8-node bricks (default one
// million, OIF_BENCH_ELEMENTS to change) in two instances with node sets,
// element sets, a surface per instance and assembly sets spanning them.
//
// BM_BareFormattingLoop is the reference: the same node and element lines in
// the deck's layout, formatted with std::to_chars and written with fwrite,
// with nothing else. BM_WriteDeck writes the whole deck through the writer
// and reports its speed relative to that loop (vsBareLoop). OIF_BENCH_KEEP=1
// keeps both outputs in the temporary directory for comparison.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "mesh_generator.h"
#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Writer.h"

namespace {

long Elements() {
  const char* value = std::getenv("OIF_BENCH_ELEMENTS");
  return value ? std::atol(value) : 1000000L;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

/// The model file, written once.
const std::string& ModelPath() {
  static const std::string path = [] {
    const std::string file = TempPath("oif_bench_deck_model.json");
    std::FILE* out = std::fopen(file.c_str(), "wb");
    meshgen::Options options;
    options.elements = Elements();
    {
      meshgen::Out text(out);
      meshgen::Generate(options, text);
    }
    std::fclose(out);
    return file;
  }();
  return path;
}

const odb_Odb& Loaded() {
  static const odb_Odb odb = mfl_ModelFile::Open(ModelPath());
  return odb;
}

double PeakRssMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

double bareBytesPerSecond = 0;

// ---------------------------------------------------------------------------
// The reference loop

class BareOut {
 public:
  explicit BareOut(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}
  ~BareOut() {
    Flush();
    std::fclose(file_);
  }
  char* Room() {
    if (size_ > sizeof buffer_ - 512) Flush();
    return buffer_ + size_;
  }
  void Advance(char* end) { size_ = std::size_t(end - buffer_); }
  void Flush() {
    std::fwrite(buffer_, 1, size_, file_);
    size_ = 0;
  }

 private:
  std::FILE* file_;
  char buffer_[1 << 20];
  std::size_t size_ = 0;
};

char* Field(char* p, int value, int width) {
  char digits[16];
  char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const int size = int(end - digits);
  for (int i = size; i < width; ++i) *p++ = ' ';
  std::memcpy(p, digits, std::size_t(size));
  return p + size;
}

char* Field(char* p, float value, int width) {
  char digits[32];
  char* end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 7).ptr;
  if (std::find_if(digits, end, [](char c) { return c == '.' || c == 'e'; }) == end) *end++ = '.';
  const int size = int(end - digits);
  for (int i = size; i < width; ++i) *p++ = ' ';
  std::memcpy(p, digits, std::size_t(size));
  return p + size;
}

int Digits(int value) { return int(std::to_string(value).size()); }

void BareLoop(const ddb_Model& model, BareOut& out) {
  for (const auto& [name, instance] : model.rootAssembly().instance()) {
    const auto& mesh = dynamic_cast<const ddb_PartInstance&>(*instance).mesh();
    const ddb_NodeData& nodes = mesh.nodeData();
    const std::vector<int>& labels = nodes.UserNodeLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
      char* p = out.Room();
      const float* xyz = nodes.CoordContainer()[i];
      p = Field(p, labels[i], 7);
      for (int c = 0; c < 3; ++c) {
        *p++ = ',';
        *p++ = ' ';
        p = Field(p, xyz[c], 12);
      }
      *p++ = '\n';
      out.Advance(p);
    }
    for (int k = 0; k < mesh.elementData().numClasses(); ++k) {
      const ddb_ElementClass& elements = mesh.elementData().elementClass(k);
      const int per = elements.numNodesPerElement();
      int largest = 0;
      for (int index : elements.elementConnectivity()) largest = std::max(largest, labels[std::size_t(index)]);
      const int nodeWidth = std::min(Digits(largest) + 1, 7);
      int largestElement = 0;
      for (int label : elements.userElementLabelsAsFlatArray()) largestElement = std::max(largestElement, label);
      const int elementWidth = Digits(largestElement);
      const int* connectivity = elements.elementConnectivity().data();
      for (int e = 0; e < elements.numElements(); ++e) {
        char* p = out.Room();
        p = Field(p, elements.userElementLabelsAsFlatArray()[std::size_t(e)], elementWidth);
        *p++ = ',';
        for (int n = 0; n < per; ++n) {
          if ((n + 2) % 16 == 1) {
            std::memset(p, ' ', std::size_t(elementWidth + 1));
            p += elementWidth + 1;
          }
          p = Field(p, labels[std::size_t(connectivity[std::size_t(e) * std::size_t(per) + std::size_t(n)])], nodeWidth);
          if (n == per - 1) {
            *p++ = '\n';
          } else {
            *p++ = ',';
            if ((n + 2) % 16 == 0) *p++ = '\n';
          }
        }
        out.Advance(p);
      }
    }
  }
}

/// Runs `work` once per iteration; returns bytes per second of `path`'s size.
template <class F>
double Timed(benchmark::State& state, const std::string& path, F&& work) {
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    work();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  const auto bytes = std::int64_t(std::filesystem::file_size(path));
  if (!std::getenv("OIF_BENCH_KEEP")) std::remove(path.c_str());
  state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes);
  state.counters["MB"] = double(bytes) / 1e6;
  return double(bytes) * double(state.iterations()) / seconds;
}

void BM_BareFormattingLoop(benchmark::State& state) {
  const ddb_Model& model = Loaded().ddb().model("Default Model");
  const std::string path = TempPath("oif_bench_bare.inp");
  bareBytesPerSecond = Timed(state, path, [&] {
    BareOut out(path);
    BareLoop(model, out);
  });
}
BENCHMARK(BM_BareFormattingLoop)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// ---------------------------------------------------------------------------
// The writer

void BM_WriteDeck(benchmark::State& state) {
  const odb_Odb& odb = Loaded();
  const std::string job = TempPath("oif_bench_deck");
  const double rate = Timed(state, job + ".inp", [&] { oif_Writer(odb).WriteInputFile(job.c_str()); });
  if (bareBytesPerSecond > 0) state.counters["vsBareLoop"] = rate / bareBytesPerSecond;
}
BENCHMARK(BM_WriteDeck)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_LoadModelFile(benchmark::State& state) {
  const std::string& path = ModelPath();
  for (auto _ : state) {
    odb_Odb odb = mfl_ModelFile::Open(path);
    benchmark::DoNotOptimize(odb.ddb().hasModel("Default Model"));
  }
  const auto bytes = std::int64_t(std::filesystem::file_size(path));
  state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes);
  state.counters["MB"] = double(bytes) / 1e6;
  state.counters["peakRSS_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_LoadModelFile)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
