// Throughput of the text stream on the two kinds of data lines that make up
// most of a deck, against a bare loop that formats the same numbers with
// std::to_chars into a block and writes the block with fwrite.
//
//   node line:     label (width 7), x, y, z (Print(float, 12, 7))
//   element line:  label, then 8 node labels, ", " separated
//
// All output goes to /dev/null; bytes/s counts the text produced.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "textstream/aio_ios.h"
#include "textstream/utl_Stream.h"

namespace {

constexpr int kCount = 1000000;

struct Mesh {
  std::vector<int> nodeLabels;
  std::vector<float> xyz;
  std::vector<int> elementLabels;
  std::vector<int> connectivity;  // 8 per element
};

const Mesh& TheMesh() {
  static const Mesh mesh = [] {
    Mesh m;
    std::uint64_t state = 0x9e3779b97f4a7c15ULL;
    auto next = [&state] {
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      return state;
    };
    m.nodeLabels.reserve(kCount);
    m.xyz.reserve(3 * kCount);
    for (int i = 0; i < kCount; ++i) {
      m.nodeLabels.push_back(i + 1);
      // Coordinates of a part some hundred millimetres across, with all
      // seven significant digits in use.
      for (int k = 0; k < 3; ++k) m.xyz.push_back(float(double(next() % 2000000) * 2.5e-4 - 250.0));
    }
    m.elementLabels.reserve(kCount);
    m.connectivity.reserve(8 * std::size_t(kCount));
    for (int i = 0; i < kCount; ++i) {
      m.elementLabels.push_back(i + 1);
      for (int k = 0; k < 8; ++k) m.connectivity.push_back(int(next() % kCount) + 1);
    }
    return m;
  }();
  return mesh;
}

void WriteNodes(utl_Stream& stream, const Mesh& mesh) {
  const float* xyz = mesh.xyz.data();
  for (int i = 0; i < kCount; ++i, xyz += 3) {
    stream.Print(mesh.nodeLabels[std::size_t(i)], 7);
    stream << ", ";
    stream.Print(xyz[0], 12, 7);
    stream << ", ";
    stream.Print(xyz[1], 12, 7);
    stream << ", ";
    stream.Print(xyz[2], 12, 7);
    stream << endl;
  }
}

void WriteElements(utl_Stream& stream, const Mesh& mesh) {
  const int* nodes = mesh.connectivity.data();
  for (int i = 0; i < kCount; ++i, nodes += 8) {
    stream << mesh.elementLabels[std::size_t(i)];
    for (int k = 0; k < 8; ++k) stream << ", " << nodes[k];
    stream << endl;
  }
}

/// Bytes one pass writes.
template <class Writer>
std::size_t OutputSize(Writer writer) {
  std::string sink;
  aio_ios ios;
  ios.attach(sink);
  {
    utl_Stream stream(ios, 131, 6, 6);
    writer(stream, TheMesh());
  }
  return sink.size();
}

template <class Writer>
void RunStream(benchmark::State& state, Writer writer) {
  const Mesh& mesh = TheMesh();
  const std::size_t bytes = OutputSize(writer);
  std::FILE* file = std::fopen("/dev/null", "wb");
  if (file == nullptr) {
    state.SkipWithError("cannot open /dev/null");
    return;
  }
  aio_ios ios;
  ios.attach(file, true);
  utl_Stream stream(ios, 131, 6, 6);
  for (auto _ : state) {
    writer(stream, mesh);
    stream.Flush();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

void BM_StreamNodeLines(benchmark::State& state) { RunStream(state, WriteNodes); }
void BM_StreamElementLines(benchmark::State& state) { RunStream(state, WriteElements); }

// ---------------------------------------------------------------------------
// Bare loops: std::to_chars into a 1 MiB block, fwrite when nearly full.

class BareBlock {
 public:
  explicit BareBlock(std::FILE* file) : file_(file), block_(1 << 20), cur_(block_.data()) {}
  ~BareBlock() { Hand(); }
  char* Room() {
    if (block_.data() + block_.size() - cur_ < 512) Hand();
    return cur_;
  }
  void Advance(char* to) { cur_ = to; }
  void Hand() {
    const std::size_t size = std::size_t(cur_ - block_.data());
    std::fwrite(block_.data(), 1, size, file_);
    written_ += size;
    cur_ = block_.data();
  }
  std::size_t Written() const { return written_ + std::size_t(cur_ - block_.data()); }

 private:
  std::FILE* file_;
  std::vector<char> block_;
  char* cur_;
  std::size_t written_ = 0;
};

char* PadRight(char* out, const char* text, std::size_t size, std::size_t width) {
  if (width > size) {
    std::memset(out, ' ', width - size);
    out += width - size;
  }
  std::memcpy(out, text, size);
  return out + size;
}

void BareNodes(BareBlock& block, const Mesh& mesh) {
  const float* xyz = mesh.xyz.data();
  for (int i = 0; i < kCount; ++i, xyz += 3) {
    char* p = block.Room();
    char text[40];
    auto result = std::to_chars(text, text + sizeof text, mesh.nodeLabels[std::size_t(i)]);
    p = PadRight(p, text, std::size_t(result.ptr - text), 7);
    for (int k = 0; k < 3; ++k) {
      *p++ = ',';
      *p++ = ' ';
      result =
          std::to_chars(text, text + sizeof text, double(xyz[k]), std::chars_format::general, 7);
      p = PadRight(p, text, std::size_t(result.ptr - text), 12);
    }
    *p++ = '\n';
    block.Advance(p);
  }
}

void BareElements(BareBlock& block, const Mesh& mesh) {
  const int* nodes = mesh.connectivity.data();
  for (int i = 0; i < kCount; ++i, nodes += 8) {
    char* p = block.Room();
    p = std::to_chars(p, p + 16, mesh.elementLabels[std::size_t(i)]).ptr;
    for (int k = 0; k < 8; ++k) {
      *p++ = ',';
      *p++ = ' ';
      p = std::to_chars(p, p + 16, nodes[k]).ptr;
    }
    *p++ = '\n';
    block.Advance(p);
  }
}

template <class Loop>
void RunBare(benchmark::State& state, Loop loop) {
  const Mesh& mesh = TheMesh();
  std::FILE* file = std::fopen("/dev/null", "wb");
  if (file == nullptr) {
    state.SkipWithError("cannot open /dev/null");
    return;
  }
  std::setvbuf(file, nullptr, _IONBF, 0);
  std::size_t bytes = 0;
  {
    BareBlock block(file);
    for (auto _ : state) {
      loop(block, mesh);
      block.Hand();
    }
    bytes = block.Written();
  }
  std::fclose(file);
  state.SetBytesProcessed(std::int64_t(bytes));
}

void BM_BareNodeLines(benchmark::State& state) { RunBare(state, BareNodes); }
void BM_BareElementLines(benchmark::State& state) { RunBare(state, BareElements); }

// ---------------------------------------------------------------------------
// Single operations on the same coordinates, per value.

void BM_PrintFloat12_7(benchmark::State& state) {
  const Mesh& mesh = TheMesh();
  std::FILE* file = std::fopen("/dev/null", "wb");
  aio_ios ios;
  ios.attach(file, true);
  utl_Stream stream(ios);
  std::size_t i = 0;
  for (auto _ : state) {
    stream.Print(mesh.xyz[i], 12, 7);
    if (++i == mesh.xyz.size()) i = 0;
  }
  state.SetItemsProcessed(std::int64_t(state.iterations()));
}

void BM_ToCharsFloatGeneral7(benchmark::State& state) {
  const Mesh& mesh = TheMesh();
  char text[40];
  std::size_t i = 0;
  for (auto _ : state) {
    auto result =
        std::to_chars(text, text + sizeof text, double(mesh.xyz[i]), std::chars_format::general, 7);
    benchmark::DoNotOptimize(result.ptr);
    if (++i == mesh.xyz.size()) i = 0;
  }
  state.SetItemsProcessed(std::int64_t(state.iterations()));
}

void BM_ShortestDouble(benchmark::State& state) {
  const Mesh& mesh = TheMesh();
  std::FILE* file = std::fopen("/dev/null", "wb");
  aio_ios ios;
  ios.attach(file, true);
  utl_Stream stream(ios);
  std::size_t i = 0;
  for (auto _ : state) {
    stream << double(mesh.xyz[i]) * 1.0000001;
    if (++i == mesh.xyz.size()) i = 0;
  }
  state.SetItemsProcessed(std::int64_t(state.iterations()));
}

}  // namespace

BENCHMARK(BM_StreamNodeLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareNodeLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamElementLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareElementLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintFloat12_7);
BENCHMARK(BM_ToCharsFloatGeneral7);
BENCHMARK(BM_ShortestDouble);

BENCHMARK_MAIN();
