#include "modelfile/mfl_Json.h"

#include "modelfile/mfl_InputFile.h"

#include <simdjson.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <mutex>
#include <system_error>

#include "modelfile/mfl_JsonDetail.h"

// ---------------------------------------------------------------------------
// mfl_ModelFileError

namespace {

std::string FormatError(const std::string& id, const std::string& file, const std::string* pointer,
                        std::size_t line, std::size_t column, const std::string& problem) {
  std::string out = file;
  if (line != 0) {
    if (!out.empty()) out += ':';
    out += std::to_string(line);
    if (column != 0) {
      out += ':';
      out += std::to_string(column);
    }
  }
  if (!out.empty()) out += ": ";
  out += "error [";
  out += id;
  out += ']';
  if (pointer) {
    out += " at ";
    out += pointer->empty() ? std::string("(root)") : *pointer;
  }
  out += ": ";
  out += problem;
  return out;
}

}  // namespace

mfl_ModelFileError::mfl_ModelFileError(std::string id, std::string file, std::string pointer,
                                       std::size_t line, std::size_t column, std::string what)
    : nex_TextException(FormatError(id, file, &pointer, line, column, what)),
      id_(std::move(id)),
      file_(std::move(file)),
      pointer_(std::move(pointer)),
      hasPointer_(true),
      line_(line),
      column_(column),
      problem_(std::move(what)) {}

mfl_ModelFileError::mfl_ModelFileError(std::string id, std::string file, std::string what)
    : nex_TextException(FormatError(id, file, nullptr, 0, 0, what)),
      id_(std::move(id)),
      file_(std::move(file)),
      hasPointer_(false),
      problem_(std::move(what)) {}

mfl_ModelFileError::~mfl_ModelFileError() = default;

std::string mfl_ModelFileError::Describe() const {
  return FormatError(id_, file_, hasPointer_ ? &pointer_ : nullptr, line_, column_, problem_);
}

void mfl_ModelFileError::Raise() const { throw *this; }

namespace mfl {

namespace {
/// Appends `key` with "~" written "~0" and "/" written "~1".
void AppendEscaped(std::string& out, std::string_view key) {
  for (char c : key) {
    if (c == '~')
      out += "~0";
    else if (c == '/')
      out += "~1";
    else
      out += c;
  }
}
}  // namespace

std::string ChildPointer(const std::string& parent, std::string_view key) {
  std::string out;
  out.reserve(parent.size() + 1 + key.size());
  out += parent;
  out += '/';
  AppendEscaped(out, key);
  return out;
}

std::string ChildPointer(const std::string& parent, std::size_t index) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, index).ptr;
  std::string out;
  out.reserve(parent.size() + 1 + std::size_t(end - digits));
  out += parent;
  out += '/';
  out.append(digits, end);
  return out;
}

std::string PointerEscape(std::string_view key) {
  std::string out;
  out.reserve(key.size());
  AppendEscaped(out, key);
  return out;
}

namespace {

using json::IsDelimiter;
using json::IsDigit;
using json::IsSpace;
using json::NumberLiteral;

// Offset of element `index` of the number array starting at `arrayOffset`
// ('['), or npos when the text there is not a plain list of numbers.
std::size_t NumberElementOffset(std::string_view text, std::size_t arrayOffset, std::size_t index) {
  std::size_t p = arrayOffset;
  const std::size_t n = text.size();
  if (p >= n || text[p] != '[') return std::string_view::npos;
  ++p;
  for (std::size_t k = 0;; ++k) {
    while (p < n && IsSpace(text[p])) ++p;
    if (p >= n || text[p] == ']') return std::string_view::npos;
    if (k == index) return p;
    while (p < n && !IsDelimiter(text[p])) ++p;
    while (p < n && IsSpace(text[p])) ++p;
    if (p >= n || text[p] != ',') return std::string_view::npos;
    ++p;
  }
}


}  // namespace

// ---------------------------------------------------------------------------
// Node and Document

const Node* Node::Find(std::string_view key) const noexcept {
  for (const auto& [name, value] : members_)
    if (name == key) return &value;
  return nullptr;
}

namespace {

// A model file mapped into memory, read-only and private, with zero pages
// after it for the parser's padding. Mapping spares the copy of the whole file
// into a fresh buffer (and the page faults of that buffer), and the pages of
// the long number arrays can be given back once they are read.
class MappedText {
 public:
  MappedText() = default;
  MappedText(const MappedText&) = delete;
  MappedText& operator=(const MappedText&) = delete;
  ~MappedText() {
    if (area_) ::munmap(area_, length_);
  }

  // Maps `size` bytes of the open file `fd`; false when the system refuses
  // (the caller then reads the file).
  bool Map(int fd, std::size_t size) {
    length_ = size + simdjson::SIMDJSON_PADDING;
    void* area = ::mmap(nullptr, length_, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (area == MAP_FAILED) return false;
    // The file over the start of the anonymous area: the rest of its last page
    // reads as zeros, and so do the anonymous pages after it. Its pages are
    // mapped as the walk over the text first touches them, while a second
    // thread already reads the arrays the walk has found.
    if (::mmap(area, size, PROT_READ, MAP_PRIVATE | MAP_FIXED, fd, 0) == MAP_FAILED) {
      ::munmap(area, length_);
      return false;
    }
    area_ = static_cast<char*>(area);
    return true;
  }

  char* data() const noexcept { return area_; }

  // Makes the first page writable (a private copy of it) for the blanking of
  // a byte order mark.
  bool MakeHeadWritable() const noexcept { return ::mprotect(area_, 1, PROT_READ | PROT_WRITE) == 0; }

  // Gives back the whole pages inside [begin, end): they are read again from
  // the file, should an error message need them.
  void Release(std::size_t begin, std::size_t end) const noexcept {
    const std::size_t page = PageSize();
    begin = (begin + page - 1) / page * page;
    end = end / page * page;
    // The first page may hold a blanked byte order mark: it stays.
    begin = std::max(begin, page);
    if (end > begin) ::madvise(area_ + begin, end - begin, MADV_DONTNEED);
  }

 private:
  static std::size_t PageSize() noexcept {
    static const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    return page;
  }

  char* area_ = nullptr;
  std::size_t length_ = 0;
};

// Files smaller than this are read into a buffer: mapping pays off only for
// large files.
constexpr std::uintmax_t kMapMinBytes = std::uintmax_t(4) << 20;

}  // namespace

struct Document::Impl {
  // The text: `owned` (a text given in memory, or a file that was read) or
  // `mapped` (a file mapped into memory); `data` and `size` point into it.
  simdjson::padded_string owned;
  MappedText mapped;
  char* data = nullptr;
  std::size_t size = 0;
  std::string fileName;
  std::size_t bomLength = 0;
  bool fromTree = false;  // no text: no line and column
  Node root;
  mutable std::once_flag lineIndexOnce;
  mutable std::vector<std::size_t> lineStarts;  // offset of each line but the first

  void Own(simdjson::padded_string text) {
    owned = std::move(text);
    data = owned.data();
    size = owned.size();
  }
  simdjson::padded_string_view Padded() const noexcept {
    return simdjson::padded_string_view(data, size, size + simdjson::SIMDJSON_PADDING);
  }
};

Document::Document() : impl_(std::make_unique<Impl>()) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

Node& Document::Root() noexcept { return impl_->root; }
const Node& Document::Root() const noexcept { return impl_->root; }
const std::string& Document::FileName() const noexcept { return impl_->fileName; }
std::string_view Document::Text() const noexcept {
  return std::string_view(impl_->data, impl_->size);
}

std::pair<std::size_t, std::size_t> Document::LineColumn(std::size_t offset) const {
  if (impl_->fromTree) return {0, 0};
  const std::string_view text = Text();
  std::call_once(impl_->lineIndexOnce, [&] {
    const char* p = text.data();
    const char* end = p + text.size();
    while (
        (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
      ++p;
      impl_->lineStarts.push_back(static_cast<std::size_t>(p - text.data()));
    }
  });
  offset = std::min(offset, text.size());
  const auto& starts = impl_->lineStarts;
  auto it = std::upper_bound(starts.begin(), starts.end(), offset);
  const std::size_t line = static_cast<std::size_t>(it - starts.begin()) + 1;
  const std::size_t lineStart = it == starts.begin() ? 0 : *(it - 1);
  return json::ColumnOnLine(text, line, lineStart, offset, impl_->bomLength);
}

std::size_t Document::ElementOffset(const Node& array, std::size_t index) const {
  if (array.kind() == Node::Kind::Array)
    return index < array.elements().size() ? array.elements()[index].offset() : array.offset();
  std::size_t offset = NumberElementOffset(Text(), array.offset(), index);
  return offset == std::string_view::npos ? array.offset() : offset;
}

void Document::Build() {
  Impl& impl = *impl_;
  // A UTF-8 byte order mark is blanked out (offsets stay those of the file).
  if (impl.size >= 3 && std::memcmp(impl.data, "\xEF\xBB\xBF", 3) == 0 &&
      (impl.mapped.data() == nullptr || impl.mapped.MakeHeadWritable())) {
    std::memset(impl.data, ' ', 3);
    impl.bomLength = 3;
  }
  const std::string_view text(impl.data, impl.size);
  std::function<void(std::size_t, std::size_t)> consumed;
  if (impl.mapped.data() != nullptr)
    consumed = [&mapped = impl.mapped](std::size_t begin, std::size_t end) { mapped.Release(begin, end); };
  if (std::unique_ptr<json::Skeleton> skeleton = json::CutNumberArrays(text, consumed)) {
    json::ReadTree(skeleton->text, text, skeleton.get(), impl.fileName, impl.bomLength, impl.root);
    skeleton->Attach(impl.root);
  } else {
    json::ReadTree(impl.Padded(), text, nullptr, impl.fileName, impl.bomLength, impl.root);
  }
}

namespace {

[[noreturn]] void FailOpen(const std::string& path, const std::string& reason) {
  mfl_ModelFileError("file.open", path, "cannot read the file: " + reason)
      .Throw(__FILE__, __LINE__);
}

}  // namespace

Document Document::Parse(std::string_view text, std::string displayName) {
  Document doc;
  doc.impl_->fileName = std::move(displayName);
  doc.impl_->Own(simdjson::padded_string(text));
  doc.Build();
  return doc;
}

Document Document::FromTree(Node root, std::string displayName) {
  Document doc;
  doc.impl_->fileName = std::move(displayName);
  doc.impl_->fromTree = true;
  doc.impl_->root = std::move(root);
  return doc;
}

Document Document::Load(const std::string& path) {
  Document doc;
  doc.impl_->fileName = path;
  std::uintmax_t size = 0;
  std::FILE* f = mfl_InputFile::Open(path, size);  // regular files within the size limit only
  struct Closer {
    std::FILE* f;
    ~Closer() { std::fclose(f); }
  } closer{f};
  if (size >= kMapMinBytes && size <= SIZE_MAX - simdjson::SIMDJSON_PADDING &&
      doc.impl_->mapped.Map(::fileno(f), static_cast<std::size_t>(size))) {
    doc.impl_->data = doc.impl_->mapped.data();
    doc.impl_->size = static_cast<std::size_t>(size);
  } else {
    simdjson::padded_string text(static_cast<std::size_t>(size));
    if (size != 0 && text.data() == nullptr) FailOpen(path, "out of memory");
    const std::size_t got = std::fread(text.data(), 1, static_cast<std::size_t>(size), f);
    if (got != size)
      FailOpen(path, std::ferror(f) ? std::strerror(errno) : "the file changed while reading");
    doc.impl_->Own(std::move(text));
  }
  doc.Build();
  return doc;
}

// ---------------------------------------------------------------------------
// Ref

namespace {

const char* KindName(const Node& node) {
  switch (node.kind()) {
    case Node::Kind::Null:
      return "null";
    case Node::Kind::Bool:
      return "a boolean";
    case Node::Kind::Int:
    case Node::Kind::Real:
      return "a number";
    case Node::Kind::String:
      return "a text";
    case Node::Kind::Array:
    case Node::Kind::IntArray:
    case Node::Kind::RealArray:
      return "an array";
    case Node::Kind::Object:
      return "an object";
  }
  return "a value";
}

std::string RealText(double d) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d);
  (void)ec;
  return std::string(buffer, end);
}

bool IntegralInt32(double d) {
  return d == std::trunc(d) && d >= std::numeric_limits<std::int32_t>::min() &&
         d <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

Ref::Ref(const Document& doc, const Node& node, std::string pointer)
    : doc_(&doc), node_(&node), pointer_(std::move(pointer)) {}

bool Ref::IsNull() const noexcept { return node_->kind() == Node::Kind::Null; }
bool Ref::IsObject() const noexcept { return node_->kind() == Node::Kind::Object; }
bool Ref::IsArray() const noexcept {
  auto k = node_->kind();
  return k == Node::Kind::Array || k == Node::Kind::IntArray || k == Node::Kind::RealArray;
}
bool Ref::IsString() const noexcept { return node_->kind() == Node::Kind::String; }
bool Ref::IsNumber() const noexcept {
  return node_->kind() == Node::Kind::Int || node_->kind() == Node::Kind::Real;
}

void Ref::Fail(const std::string& id, const std::string& problem) const {
  auto [line, column] = doc_->LineColumn(node_->offset());
  mfl_ModelFileError(id, doc_->FileName(), pointer_, line, column, problem)
      .Throw(__FILE__, __LINE__);
}

void Ref::FailAt(std::size_t index, const std::string& id, const std::string& problem) const {
  auto [line, column] = doc_->LineColumn(doc_->ElementOffset(*node_, index));
  mfl_ModelFileError(id, doc_->FileName(), ChildPointer(pointer_, index), line, column,
                     problem)
      .Throw(__FILE__, __LINE__);
}

Ref Ref::Get(std::string_view key) const {
  if (!IsObject()) Fail("model.type", std::string("expected an object, found ") + KindName(*node_));
  const Node* child = node_->Find(key);
  if (!child) Fail("model.missing-member", "missing member '" + std::string(key) + "'");
  return Ref(*doc_, *child, ChildPointer(pointer_, key));
}

bool Ref::Has(std::string_view key) const { return IsObject() && node_->Find(key) != nullptr; }

Ref Ref::At(std::size_t index) const {
  if (node_->kind() != Node::Kind::Array) {
    if (IsArray()) Fail("model.type", "expected an array of objects or texts, not of numbers");
    Fail("model.type", std::string("expected an array, found ") + KindName(*node_));
  }
  NEX_ASSERT(index < node_->elements().size());
  return Ref(*doc_, node_->elements()[index], ChildPointer(pointer_, index));
}

std::size_t Ref::Size() const {
  switch (node_->kind()) {
    case Node::Kind::Array:
      return node_->elements().size();
    case Node::Kind::IntArray:
      return node_->ints().size();
    case Node::Kind::RealArray:
      return node_->reals().size();
    case Node::Kind::Object:
      return node_->members().size();
    default:
      break;
  }
  Fail("model.type", std::string("expected an array or an object, found ") + KindName(*node_));
}

void Ref::AllowOnly(std::initializer_list<std::string_view> keys) const {
  AllowOnly(std::vector<std::string_view>(keys));
}

void Ref::AllowOnly(const std::vector<std::string_view>& keys) const {
  if (!IsObject()) Fail("model.type", std::string("expected an object, found ") + KindName(*node_));
  for (const auto& [name, value] : node_->members()) {
    if (std::find(keys.begin(), keys.end(), name) != keys.end()) continue;
    std::string expected;
    for (std::string_view k : keys) {
      if (!expected.empty()) expected += ", ";
      expected += k;
    }
    Ref(*doc_, value, ChildPointer(pointer_, name))
        .Fail("model.unknown-member",
              "unknown member '" + name + "'; expected one of: " + expected);
  }
}

std::string Ref::AsString() const {
  if (!IsString()) Fail("model.type", std::string("expected a text, found ") + KindName(*node_));
  return node_->string();
}

bool Ref::AsBool() const {
  if (node_->kind() != Node::Kind::Bool)
    Fail("model.type", std::string("expected a boolean, found ") + KindName(*node_));
  return node_->boolean();
}

namespace {

// The number as written in the file (falls back to a formatted value).
std::string Literal(const Document& doc, std::size_t offset, double fallback) {
  std::string_view text = doc.Text();
  if (offset < text.size() && (text[offset] == '-' || IsDigit(text[offset])))
    return std::string(NumberLiteral(text, offset));
  return RealText(fallback);
}

}  // namespace

int Ref::AsInt() const {
  if (node_->kind() == Node::Kind::Int) {
    const std::int64_t i = node_->integer();
    if (i < std::numeric_limits<int>::min() || i > std::numeric_limits<int>::max())
      Fail("model.range", "value " + std::to_string(i) + " does not fit an int");
    return static_cast<int>(i);
  }
  if (node_->kind() == Node::Kind::Real) {
    const double d = node_->real();
    if (d != std::trunc(d))
      Fail("model.type", "expected an integer, found " + Literal(*doc_, node_->offset(), d));
    if (!IntegralInt32(d))
      Fail("model.range", "value " + Literal(*doc_, node_->offset(), d) + " does not fit an int");
    return static_cast<int>(d);
  }
  Fail("model.type", std::string("expected an integer, found ") + KindName(*node_));
}

double Ref::AsDouble() const {
  double d = 0;
  if (node_->kind() == Node::Kind::Int)
    d = static_cast<double>(node_->integer());
  else if (node_->kind() == Node::Kind::Real)
    d = node_->real();
  else
    Fail("model.type", std::string("expected a number, found ") + KindName(*node_));
  if (!std::isfinite(d)) Fail("model.range", "value " + RealText(d) + " is not a finite number");
  return d;
}

float Ref::AsFloat() const {
  const double d = AsDouble();
  if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max()))
    Fail("model.range", "value " + Literal(*doc_, node_->offset(), d) + " does not fit a float");
  return static_cast<float>(d);
}

std::vector<std::int32_t> Ref::Ints() const {
  switch (node_->kind()) {
    case Node::Kind::IntArray:
      return node_->ints();
    case Node::Kind::RealArray: {
      const auto& reals = node_->reals();
      std::vector<std::int32_t> out(reals.size());
      for (std::size_t i = 0; i < reals.size(); ++i) {
        const double d = reals[i];
        if (!IntegralInt32(d)) {
          const std::string literal = Literal(*doc_, doc_->ElementOffset(*node_, i), d);
          if (d != std::trunc(d)) FailAt(i, "model.type", "expected an integer, found " + literal);
          FailAt(i, "model.range", "value " + literal + " does not fit an int");
        }
        out[i] = static_cast<std::int32_t>(d);
      }
      return out;
    }
    case Node::Kind::Array: {
      const auto& elements = node_->elements();
      std::vector<std::int32_t> out;
      out.reserve(elements.size());
      for (std::size_t i = 0; i < elements.size(); ++i)
        out.push_back(Ref(*doc_, elements[i], ChildPointer(pointer_, i)).AsInt());
      return out;
    }
    default:
      break;
  }
  Fail("model.type", std::string("expected an array of integers, found ") + KindName(*node_));
}

std::vector<double> Ref::Reals() const {
  switch (node_->kind()) {
    case Node::Kind::IntArray:
      return std::vector<double>(node_->ints().begin(), node_->ints().end());
    case Node::Kind::RealArray:
      return node_->reals();
    case Node::Kind::Array: {
      const auto& elements = node_->elements();
      std::vector<double> out;
      out.reserve(elements.size());
      for (std::size_t i = 0; i < elements.size(); ++i)
        out.push_back(Ref(*doc_, elements[i], ChildPointer(pointer_, i)).AsDouble());
      return out;
    }
    default:
      break;
  }
  Fail("model.type", std::string("expected an array of numbers, found ") + KindName(*node_));
}

std::vector<float> Ref::Floats() const {
  switch (node_->kind()) {
    case Node::Kind::IntArray:
      return std::vector<float>(node_->ints().begin(), node_->ints().end());
    case Node::Kind::RealArray: {
      const auto& reals = node_->reals();
      constexpr double kLargest = static_cast<double>(std::numeric_limits<float>::max());
      std::vector<float> out;
      out.reserve(reals.size());
      json::AdviseHugePages(out);
      out.resize(reals.size());
      // Converted in one pass without a branch; a value out of range is
      // looked for only when there is one.
      bool outOfRange = false;
      for (std::size_t i = 0; i < reals.size(); ++i) {
        outOfRange |= std::fabs(reals[i]) > kLargest;
        out[i] = static_cast<float>(reals[i]);
      }
      for (std::size_t i = 0; outOfRange && i < reals.size(); ++i) {
        const double d = reals[i];
        if (std::fabs(d) > kLargest)
          FailAt(i, "model.range",
                 "value " + Literal(*doc_, doc_->ElementOffset(*node_, i), d) + " does not fit a float");
      }
      return out;
    }
    case Node::Kind::Array: {
      const auto& elements = node_->elements();
      std::vector<float> out;
      out.reserve(elements.size());
      for (std::size_t i = 0; i < elements.size(); ++i)
        out.push_back(Ref(*doc_, elements[i], ChildPointer(pointer_, i)).AsFloat());
      return out;
    }
    default:
      break;
  }
  Fail("model.type", std::string("expected an array of numbers, found ") + KindName(*node_));
}

std::vector<std::int32_t> Ref::TakeInts() const {
  if (node_->kind() != Node::Kind::IntArray) return Ints();
  // The tree is shared as const by every Ref; taking is a deliberate
  // mutation of a node the caller owns through the Document and will not
  // read again (it stays an empty int array).
  return std::move(const_cast<Node*>(node_)->ints());
}

std::vector<float> Ref::TakeFloats() const {
  std::vector<float> out = Floats();
  // As in TakeInts: the caller owns the tree and reads this node no more.
  Node& node = const_cast<Node&>(*node_);
  std::vector<double>().swap(node.reals());
  std::vector<std::int32_t>().swap(node.ints());
  return out;
}

}  // namespace mfl
