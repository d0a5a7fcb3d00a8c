#pragma once
// Structured meshes written as model files: blocks of 8-node bricks, 10-node
// tetrahedra (six per cell), 20-node bricks or a plate of 4-node shells, in
// several instances, with node sets, element sets, surfaces and assembly sets
// spanning the instances. Used by gen_mesh and by the deck benchmark.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace meshgen {

enum class Type { C3D8R, C3D10, C3D20R, S4R };

inline const char* TypeName(Type type) {
  switch (type) {
    case Type::C3D8R: return "C3D8R";
    case Type::C3D10: return "C3D10";
    case Type::C3D20R: return "C3D20R";
    case Type::S4R: return "S4R";
  }
  return "";
}

struct Options {
  Type type = Type::C3D8R;
  long elements = 100000;  // in all instances together
  int instances = 2;
  bool sharedPart = false;  // one part for all instances (the file holds its mesh once)
  int steps = 0;            // analysis steps "Step-1" ...; 0: one step "Load"
  long conditions = 0;      // displacement conditions, created in the first step and changed in every later one
  double jitter = 0;        // nodes moved by up to this fraction of the spacing along each axis
};

struct Summary {
  long nodes = 0;     // in all instances
  long elements = 0;  // in all instances
};

/// Text output in large pieces, to a file or into a string.
class Out {
 public:
  explicit Out(std::FILE* file) : file_(file) {}
  explicit Out(std::string& text) : text_(&text) {}
  ~Out() { Flush(); }
  Out(const Out&) = delete;
  Out& operator=(const Out&) = delete;

  Out& operator<<(std::string_view text) {
    if (text.size() > kChunk) {
      Flush();
      Emit(text.data(), text.size());
      return *this;
    }
    Room(text.size());
    std::memcpy(buffer_ + size_, text.data(), text.size());
    size_ += text.size();
    return *this;
  }
  Out& Int(long value) {
    Room(24);
    size_ = std::size_t(std::to_chars(buffer_ + size_, buffer_ + size_ + 24, value).ptr - buffer_);
    return *this;
  }
  Out& Real(double value) {
    Room(32);
    size_ = std::size_t(std::to_chars(buffer_ + size_, buffer_ + size_ + 32, value).ptr - buffer_);
    return *this;
  }
  void Flush() {
    Emit(buffer_, size_);
    size_ = 0;
  }

 private:
  static constexpr std::size_t kChunk = std::size_t(1) << 20;
  void Room(std::size_t size) {
    if (size_ + size > kChunk) Flush();
  }
  void Emit(const char* data, std::size_t size) {
    if (size == 0) return;
    if (file_) std::fwrite(data, 1, size, file_);
    if (text_) text_->append(data, size);
  }
  std::FILE* file_ = nullptr;
  std::string* text_ = nullptr;
  std::unique_ptr<char[]> storage_{new char[kChunk]};
  char* buffer_ = storage_.get();
  std::size_t size_ = 0;
};

namespace detail {

/// The divisor of `n` nearest to `target`.
inline long NearestDivisor(long n, double target) {
  long best = 1;
  for (long d = 1; d * d <= n; ++d) {
    if (n % d != 0) continue;
    for (long candidate : {d, n / d})
      if (std::fabs(double(candidate) - target) < std::fabs(double(best) - target)) best = candidate;
  }
  return best;
}

/// One block (or plate) of cells and how its nodes and elements are labelled.
class Block {
 public:
  Block(Type type, long elements) : type_(type) {
    const long perCell = type == Type::C3D10 ? 6 : 1;
    long cells = std::max(1L, elements / perCell);
    if (type == Type::S4R) {
      nz_ = 0;
      ny_ = NearestDivisor(cells, std::sqrt(double(cells)));
      nx_ = cells / ny_;
    } else {
      nz_ = NearestDivisor(cells, std::cbrt(double(cells)));
      ny_ = NearestDivisor(cells / nz_, std::sqrt(double(cells / nz_)));
      nx_ = cells / nz_ / ny_;
    }
    // Points of the grid: corners, and for quadratic elements the midpoints
    // (a grid of twice the resolution).
    refine_ = type == Type::C3D10 || type == Type::C3D20R ? 2 : 1;
    px_ = refine_ * nx_ + 1;
    py_ = refine_ * ny_ + 1;
    pz_ = type == Type::S4R ? 1 : refine_ * nz_ + 1;
    labels_.assign(std::size_t(px_ * py_ * pz_), 0);
    long next = 0;
    for (long k = 0; k < pz_; ++k)
      for (long j = 0; j < py_; ++j)
        for (long i = 0; i < px_; ++i)
          // 20-node bricks use no point with two or more odd indices.
          if (type != Type::C3D20R || (i % 2) + (j % 2) + (k % 2) <= 1) labels_[Point(i, j, k)] = ++next;
    nodes_ = next;
  }

  long Nodes() const { return nodes_; }
  long Elements() const { return nx_ * ny_ * std::max(1L, nz_) * (type_ == Type::C3D10 ? 6 : 1); }
  double Width() const { return double(nx_) * kSpacing; }

  /// A deterministic offset in [-1, 1) for point (i, j, k) along `axis`.
  static double Wobble(long i, long j, long k, int axis) {
    std::uint64_t h = std::uint64_t(i) * 0x9E3779B97F4A7C15u ^ std::uint64_t(j) * 0xC2B2AE3D27D4EB4Fu ^
                      std::uint64_t(k) * 0x165667B19E3779F9u ^ std::uint64_t(axis + 1) * 0xD6E8FEB86659FD93u;
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93u;
    h ^= h >> 32;
    return double(h >> 11) / double(std::uint64_t(1) << 52) - 1.0;
  }

  void WriteMesh(Out& out, double jitter = 0) const {
    out << "{\"nodes\": {\"labels\": [";
    for (long n = 1; n <= nodes_; ++n) (n > 1 ? out << ", " : out).Int(n);
    out << "],\n  \"coordinates\": [";
    bool first = true;
    for (long k = 0; k < pz_; ++k)
      for (long j = 0; j < py_; ++j)
        for (long i = 0; i < px_; ++i) {
          if (labels_[Point(i, j, k)] == 0) continue;
          if (!first) out << ", ";
          first = false;
          const double step = kSpacing / refine_, wobble = jitter * step;
          out.Real(double(i) * step + (jitter != 0 ? wobble * Wobble(i, j, k, 0) : 0)) << ",";
          out.Real(double(j) * step + (jitter != 0 ? wobble * Wobble(i, j, k, 1) : 0)) << ",";
          out.Real(double(k) * step + (jitter != 0 ? wobble * Wobble(i, j, k, 2) : 0));
        }
    out << "]},\n  \"elements\": [{\"type\": \"" << TypeName(type_) << "\", \"nodesPerElement\": ";
    out.Int(long(NodesPerElement())) << ", \"labels\": [";
    for (long e = 1; e <= Elements(); ++e) (e > 1 ? out << ", " : out).Int(e);
    out << "],\n   \"connectivity\": [";
    first = true;
    ForEachElement([&](const std::vector<long>& nodes, int) {
      for (long label : nodes) {
        if (!first) out << ", ";
        first = false;
        out.Int(label);
      }
    });
    out << "]}],\n  \"sets\": [\n";
    WriteSets(out);
    out << "]}";
  }

  /// Node labels of the first and last corner of the bottom, and the first
  /// `count` elements with a face on the top (with that face's number).
  long FirstNode() const { return 1; }
  void TopFaces(long count, std::vector<long>& elements, std::vector<int>& faces) const {
    long label = 0;
    ForEachElement([&](const std::vector<long>&, int topFace) {
      ++label;
      if (topFace != 0 && long(elements.size()) < count) {
        elements.push_back(label);
        faces.push_back(topFace);
      }
    });
  }

 private:
  static constexpr double kSpacing = 0.125;

  std::size_t Point(long i, long j, long k) const { return std::size_t(i + px_ * (j + py_ * k)); }
  long Label(long i, long j, long k) const { return labels_[Point(i, j, k)]; }
  int NodesPerElement() const {
    switch (type_) {
      case Type::C3D8R: return 8;
      case Type::C3D10: return 10;
      case Type::C3D20R: return 20;
      case Type::S4R: return 4;
    }
    return 0;
  }

  /// Calls f(node labels, face on the top or 0) for every element in label order.
  template <class F>
  void ForEachElement(F&& f) const {
    std::vector<long> nodes;
    const long r = refine_;
    if (type_ == Type::S4R) {
      for (long j = 0; j < ny_; ++j)
        for (long i = 0; i < nx_; ++i) {
          nodes = {Label(i, j, 0), Label(i + 1, j, 0), Label(i + 1, j + 1, 0), Label(i, j + 1, 0)};
          f(nodes, 1);  // the positive side of every shell faces up
        }
      return;
    }
    for (long k = 0; k < nz_; ++k)
      for (long j = 0; j < ny_; ++j)
        for (long i = 0; i < nx_; ++i) {
          const bool top = k == nz_ - 1;
          const long x = r * i, y = r * j, z = r * k;
          if (type_ == Type::C3D8R) {
            nodes = {Label(x, y, z),     Label(x + 1, y, z),     Label(x + 1, y + 1, z),     Label(x, y + 1, z),
                     Label(x, y, z + 1), Label(x + 1, y, z + 1), Label(x + 1, y + 1, z + 1), Label(x, y + 1, z + 1)};
            f(nodes, top ? 2 : 0);
          } else if (type_ == Type::C3D20R) {
            nodes = {Label(x, y, z),         Label(x + 2, y, z),         Label(x + 2, y + 2, z),
                     Label(x, y + 2, z),     Label(x, y, z + 2),         Label(x + 2, y, z + 2),
                     Label(x + 2, y + 2, z + 2), Label(x, y + 2, z + 2), Label(x + 1, y, z),
                     Label(x + 2, y + 1, z), Label(x + 1, y + 2, z),     Label(x, y + 1, z),
                     Label(x + 1, y, z + 2), Label(x + 2, y + 1, z + 2), Label(x + 1, y + 2, z + 2),
                     Label(x, y + 1, z + 2), Label(x, y, z + 1),         Label(x + 2, y, z + 1),
                     Label(x + 2, y + 2, z + 1), Label(x, y + 2, z + 1)};
            f(nodes, top ? 2 : 0);
          } else {
            Tetrahedra(x, y, z, top, nodes, f);
          }
        }
  }

  /// The six tetrahedra of a cell along its main diagonal, each with its
  /// corners in positive order and its edge midpoints.
  template <class F>
  void Tetrahedra(long x, long y, long z, bool top, std::vector<long>& nodes, F&& f) const {
    static const int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& order : kOrders) {
      long corner[4][3];
      long at[3] = {0, 0, 0};
      for (int v = 0; v < 4; ++v) {
        if (v > 0) at[order[v - 1]] += 2;
        for (int c = 0; c < 3; ++c) corner[v][c] = at[c];
      }
      const long a[3] = {corner[1][0] - corner[0][0], corner[1][1] - corner[0][1], corner[1][2] - corner[0][2]};
      const long b[3] = {corner[2][0] - corner[0][0], corner[2][1] - corner[0][1], corner[2][2] - corner[0][2]};
      const long c[3] = {corner[3][0] - corner[0][0], corner[3][1] - corner[0][1], corner[3][2] - corner[0][2]};
      const long volume = a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
                          a[2] * (b[0] * c[1] - b[1] * c[0]);
      if (volume < 0)
        for (int k = 0; k < 3; ++k) std::swap(corner[2][k], corner[3][k]);
      auto label = [&](int p, int q) {  // corner p, or the midpoint of p and q
        return Label(x + (corner[p][0] + corner[q][0]) / 2, y + (corner[p][1] + corner[q][1]) / 2,
                     z + (corner[p][2] + corner[q][2]) / 2);
      };
      nodes = {label(0, 0), label(1, 1), label(2, 2), label(3, 3), label(0, 1),
               label(1, 2), label(2, 0), label(0, 3), label(1, 3), label(2, 3)};
      // Faces S1 (1-2-3), S2 (1-4-2), S3 (2-4-3), S4 (3-4-1): the one whose
      // corners all lie on the cell's top.
      int face = 0;
      if (top) {
        static const int kFaces[4][3] = {{0, 1, 2}, {0, 3, 1}, {1, 3, 2}, {2, 3, 0}};
        for (int s = 0; s < 4 && face == 0; ++s)
          if (corner[kFaces[s][0]][2] == 2 && corner[kFaces[s][1]][2] == 2 && corner[kFaces[s][2]][2] == 2)
            face = s + 1;
      }
      f(nodes, face);
    }
  }

  void WriteSets(Out& out) const {
    const bool plate = type_ == Type::S4R;
    // Bottom (z = 0, or the edge y = 0 of a plate): contiguous labels.
    out << "    {\"name\": \"Bottom\", \"kind\": \"node\", \"nodes\": [";
    bool first = true;
    for (long j = 0; j < (plate ? 1 : py_); ++j)
      for (long i = 0; i < px_; ++i)
        if (long label = Label(i, j, 0)) {
          if (!first) out << ", ";
          first = false;
          out.Int(label);
        }
    // Side (y = 0 of a block, x = 0 and the far edge of a plate): no
    // arithmetic sequence, so 16 labels a line.
    out << "]},\n    {\"name\": \"Side\", \"kind\": \"node\", \"nodes\": [";
    first = true;
    for (long k = 0; k < pz_; ++k)
      for (long j = 0; j < (plate ? py_ : 1); ++j)
        for (long i = 0; i < px_; ++i)
          if (long label = Label(i, j, k); label && (!plate || i == 0 || i == px_ - 1)) {
            if (!first) out << ", ";
            first = false;
            out.Int(label);
          }
    // Corners, in the order of a walk around the block.
    out << "]},\n    {\"name\": \"Corners\", \"kind\": \"node\", \"unsorted\": true, \"nodes\": [";
    const long X = px_ - 1, Y = py_ - 1, Z = pz_ - 1;
    out.Int(Label(0, 0, 0)) << ", ";
    out.Int(Label(X, 0, 0)) << ", ";
    out.Int(Label(X, Y, 0)) << ", ";
    out.Int(Label(0, Y, 0));
    if (!plate) {
      out << ", ";
      out.Int(Label(0, 0, Z)) << ", ";
      out.Int(Label(X, 0, Z)) << ", ";
      out.Int(Label(X, Y, Z)) << ", ";
      out.Int(Label(0, Y, Z));
    }
    // The first layer (row) of elements.
    out << "]},\n    {\"name\": \"Layer-1\", \"kind\": \"element\", \"elements\": [";
    const long layer = plate ? nx_ : nx_ * ny_ * (type_ == Type::C3D10 ? 6 : 1);
    for (long e = 1; e <= layer; ++e) (e > 1 ? out << ", " : out).Int(e);
    // The top surface.
    std::vector<long> elements;
    std::vector<int> faces;
    TopFaces(Elements(), elements, faces);
    out << "]},\n    {\"name\": \"Top\", \"kind\": \"surface\", \"elements\": [";
    for (std::size_t i = 0; i < elements.size(); ++i) (i > 0 ? out << ", " : out).Int(elements[i]);
    out << "], \"faces\": [";
    for (std::size_t i = 0; i < faces.size(); ++i) (i > 0 ? out << ", " : out).Int(faces[i]);
    out << "]}\n";
  }

  Type type_;
  long nx_ = 1, ny_ = 1, nz_ = 1;
  long refine_ = 1;
  long px_ = 0, py_ = 0, pz_ = 0;
  std::vector<long> labels_;  // node label of each grid point, 0 when unused
  long nodes_ = 0;
};

}  // namespace detail

/// Writes the model file of `options`; returns what the deck will hold.
inline Summary Generate(const Options& options, Out& out) {
  const int instances = std::max(1, options.instances);
  const detail::Block block(options.type, options.elements / instances);
  const int parts = options.sharedPart ? 1 : instances;
  auto partName = [&](int i) { return options.sharedPart ? std::string("Block") : "Block-" + std::to_string(i + 1); };
  auto instanceName = [&](int i) { return "Block-" + std::to_string(i + 1) + (options.sharedPart ? "" : "-1"); };

  out << "{\"format\": \"oif-model\", \"version\": 1,\n \"description\": \"Generated structured mesh: ";
  out.Int(block.Elements() * instances) << " " << TypeName(options.type) << " elements in ";
  out.Int(instances) << " instances\",\n \"headKeywords\": [\"*Heading\", \"** Generated mesh\"],\n \"parts\": [\n";
  for (int p = 0; p < parts; ++p) {
    out << (p > 0 ? ",\n" : "") << " {\"name\": \"" << partName(p) << "\", \"mesh\": ";
    block.WriteMesh(out, options.jitter);
    out << "}";
  }
  out << "],\n \"assembly\": {\"instances\": [\n";
  for (int i = 0; i < instances; ++i) {
    out << (i > 0 ? ",\n" : "") << "  {\"name\": \"" << instanceName(i) << "\", \"part\": \""
        << partName(options.sharedPart ? 0 : i) << "\"";
    if (i > 0) {
      out << ", \"translation\": [";
      out.Real(double(i) * block.Width() * 1.5) << ", 0, 0]";
    }
    if (i % 2 == 1) out << ", \"rotation\": [0, 0, 1.5707963267948966]";
    out << "}";
  }
  out << "],\n  \"mesh\": {\"nodes\": {\"labels\": [1], \"coordinates\": [0, 0, -1]}},\n  \"sets\": [\n";
  out << "   {\"name\": \"Anchors\", \"kind\": \"node\", \"subsets\": [";
  for (int i = 0; i < instances; ++i) {
    out << "{\"instance\": \"" << instanceName(i) << "\", \"nodes\": [";
    out.Int(block.FirstNode()) << "]}, ";
  }
  out << "{\"nodes\": [1]}]},\n   {\"name\": \"Contact\", \"kind\": \"surface\", \"subsets\": [";
  std::vector<long> elements;
  std::vector<int> faces;
  block.TopFaces(100, elements, faces);
  for (int i = 0; i < instances; ++i) {
    out << (i > 0 ? ", " : "") << "{\"instance\": \"" << instanceName(i) << "\", \"elements\": [";
    for (std::size_t e = 0; e < elements.size(); ++e) (e > 0 ? out << ", " : out).Int(elements[e]);
    out << "], \"faces\": [";
    for (std::size_t e = 0; e < faces.size(); ++e) (e > 0 ? out << ", " : out).Int(faces[e]);
    out << "]}";
  }
  out << "]}]},\n \"steps\": [{\"name\": \"Initial\", \"kind\": \"initial\"}";
  if (options.steps <= 0) out << ", {\"name\": \"Load\", \"kind\": \"static\"}";
  for (int k = 1; k <= options.steps; ++k) {
    out << ", {\"name\": \"Step-";
    out.Int(k) << "\", \"kind\": \"static\"}";
  }
  out << "]";
  // Displacement conditions on the node sets of the instances, round the
  // sets and instances; each created in the first step with three
  // components and changed in one component in every later step.
  if (options.conditions > 0) {
    static const char* const kSets[] = {"Bottom", "Side", "Corners"};
    const std::string first = options.steps > 0 ? "Step-1" : "Load";
    out << ",\n \"boundaryConditions\": [";
    for (long c = 0; c < options.conditions; ++c) {
      out << (c > 0 ? ",\n  " : "\n  ") << "{\"name\": \"BC-";
      out.Int(c + 1) << "\", \"kind\": \"displacement\", \"region\": {\"set\": \"" << kSets[c % 3]
                     << "\", \"instance\": \"" << instanceName(int((c / 3) % instances)) << "\"}, \"createdIn\": \""
                     << first << "\", \"u1\": ";
      out.Real(double(c % 97 + 1) * 0.001) << ", \"u2\": 0, \"u3\": ";
      out.Real(double(c % 13 + 1) * 0.01) << ", \"changes\": [";
      for (int k = 2; k <= options.steps; ++k) {
        out << (k > 2 ? ", " : "") << "{\"step\": \"Step-";
        out.Int(k) << "\", \"u1\": ";
        out.Real(double(c % 97 + k) * 0.001) << "}";
      }
      out << "]}";
    }
    out << "]";
  }
  out << "\n}\n";
  out.Flush();
  return {block.Nodes() * instances, block.Elements() * instances};
}

}  // namespace meshgen
