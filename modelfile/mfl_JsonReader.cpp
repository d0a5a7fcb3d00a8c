// The fast reader of the JSON reader: the document through the simdjson
// On-Demand API into the compact tree.
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_set>

#include "modelfile/mfl_JsonDetail.h"

namespace ondemand = simdjson::ondemand;

namespace mfl::json {

namespace {

// The member name or element index that leads to the value being read, as a
// chain on the reader's stack (the pointer is built only for an error).
struct PathFrame {
  const PathFrame* parent;
  std::string_view key;
  std::size_t index;
  bool isIndex;
};

std::string PathPointer(const PathFrame* frame) {
  std::vector<const PathFrame*> chain;
  for (; frame; frame = frame->parent) chain.push_back(frame);
  std::string out;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    out += '/';
    out += (*it)->isIndex ? std::to_string((*it)->index) : PointerEscape((*it)->key);
  }
  return out;
}

// Reads the document with the simdjson On-Demand API into the compact tree.
class Reader {
 public:
  // Reads `parsed`: the file's text, or its skeleton (`skeleton` not null),
  // whose offsets are mapped back to the file's. `text` is the file's text.
  Reader(simdjson::padded_string_view parsed, std::string_view text, const Skeleton* skeleton,
         const std::string& file, std::size_t bomLength)
      : padded_(parsed),
        base_(parsed.data()),
        parsedSize_(parsed.size()),
        skeleton_(skeleton),
        text_(text),
        file_(file),
        bomLength_(bomLength) {}

  void Run(Node& root) {
    ondemand::parser parser;
    ondemand::document doc;
    if (auto err = parser.iterate(padded_).get(doc)) Syntax(err, text_.size());
    Read(doc, root, nullptr, 0);
    // The whole input must be one value: anything after it is an error.
    auto rest = doc.current_location();
    if (rest.error() != simdjson::OUT_OF_BOUNDS) {
      const char* where = nullptr;
      Syntax(simdjson::TRAILING_CONTENT, std::move(rest).get(where) ? text_.size() : Offset(where));
    }
  }

 private:
  std::size_t Offset(const char* p) const noexcept {
    if (p < base_ || p > base_ + parsedSize_) return text_.size();
    const std::size_t offset = static_cast<std::size_t>(p - base_);
    return skeleton_ ? skeleton_->ToFile(offset) : offset;
  }

  static const char* TokenStart(ondemand::value& v) noexcept { return v.raw_json_token().data(); }
  static const char* TokenStart(ondemand::document& d) noexcept {
    std::string_view token;
    if (d.raw_json_token().get(token)) return nullptr;
    return token.data();
  }

  // Any failure reported by simdjson: the scanner finds the first error of
  // the file for a precise message; simdjson's own text is the fallback.
  [[noreturn]] void Syntax(simdjson::error_code err, std::size_t offset) const {
    std::string pointer;
    std::string message;
    if (auto problem = FindSyntaxProblem(text_)) {
      offset = problem->offset;
      pointer = std::move(problem->pointer);
      message = std::move(problem->message);
    } else {
      message = simdjson::error_message(err);
    }
    Throw("json.syntax", pointer, offset, message);
  }

  [[noreturn]] void Throw(const std::string& id, const std::string& pointer, std::size_t offset,
                          const std::string& message) const {
    auto [line, column] = ScanLineColumn(text_, offset, bomLength_);
    mfl_ModelFileError(id, file_, pointer, line, column, message).Throw(__FILE__, __LINE__);
  }

  template <class V>
  void Read(V& v, Node& out, const PathFrame* path, std::size_t depth) {
    const char* start = TokenStart(v);
    out.offset_ = start ? Offset(start) : text_.size();
    ondemand::json_type type;
    if (auto err = v.type().get(type)) Syntax(err, out.offset_);
    switch (type) {
      case ondemand::json_type::array: {
        if (depth >= kMaxDepth) Syntax(simdjson::DEPTH_ERROR, out.offset_);
        ondemand::array array;
        if (auto err = v.get_array().get(array)) Syntax(err, out.offset_);
        ReadArray(array, out, start, path, depth + 1);
        break;
      }
      case ondemand::json_type::object: {
        if (depth >= kMaxDepth) Syntax(simdjson::DEPTH_ERROR, out.offset_);
        ondemand::object object;
        if (auto err = v.get_object().get(object)) Syntax(err, out.offset_);
        ReadObject(object, out, path, depth + 1);
        break;
      }
      case ondemand::json_type::number: {
        ondemand::number number;
        if (!v.get_number().get(number)) {
          switch (number.get_number_type()) {
            case ondemand::number_type::signed_integer:
              out.kind_ = Node::Kind::Int;
              out.i_ = number.get_int64();
              break;
            case ondemand::number_type::unsigned_integer:
              out.kind_ = Node::Kind::Real;
              out.d_ = static_cast<double>(number.get_uint64());
              break;
            default:
              out.kind_ = Node::Kind::Real;
              out.d_ = number.get_double();
              break;
          }
        } else {
          // Integers beyond 64 bits: simdjson still reads them as a double.
          double d = 0;
          if (auto err = v.get_double().get(d)) Syntax(err, out.offset_);
          out.kind_ = Node::Kind::Real;
          out.d_ = d;
        }
        break;
      }
      case ondemand::json_type::string: {
        std::string_view s;
        if (auto err = v.get_string().get(s)) Syntax(err, out.offset_);
        out.kind_ = Node::Kind::String;
        out.s_.assign(s.data(), s.size());
        break;
      }
      case ondemand::json_type::boolean: {
        bool b = false;
        if (auto err = v.get_bool().get(b)) Syntax(err, out.offset_);
        out.kind_ = Node::Kind::Bool;
        out.b_ = b;
        break;
      }
      case ondemand::json_type::null: {
        bool isNull = false;
        if (auto err = v.is_null().get(isNull)) Syntax(err, out.offset_);
        if (!isNull) Syntax(simdjson::N_ATOM_ERROR, out.offset_);
        out.kind_ = Node::Kind::Null;
        break;
      }
    }
  }

  // Numbers go to packed vectors: int32 while they are all int32, then
  // double. The first element that is not a number turns the array into a
  // plain one (the numbers read so far become nodes).
  void ReadArray(ondemand::array& array, Node& out, const char* start, const PathFrame* path,
                 std::size_t depth) {
    out.kind_ = Node::Kind::IntArray;
    ondemand::array_iterator it, end;
    if (auto err = array.begin().get(it)) Syntax(err, out.offset_);
    if (auto err = array.end().get(end)) Syntax(err, out.offset_);
    std::size_t index = 0;
    ondemand::value v;

    // Integers.
    bool plain = false;
    for (; it != end; ++it, ++index) {
      if (auto err = (*it).get(v)) Syntax(err, out.offset_);
      std::int64_t i = 0;
      if (!v.get_int64().get(i) && i >= std::numeric_limits<std::int32_t>::min() &&
          i <= std::numeric_limits<std::int32_t>::max()) {
        out.ints_.push_back(static_cast<std::int32_t>(i));
        if (index == kSample) Reserve(out.ints_, start, TokenStart(v));
        continue;
      }
      if (!IsNumber(v)) {
        plain = true;
        break;
      }
      double d = 0;
      if (auto err = v.get_double().get(d)) Syntax(err, Offset(TokenStart(v)));
      out.kind_ = Node::Kind::RealArray;
      out.reals_.reserve(std::max(out.ints_.capacity(), out.ints_.size() + 1));
      out.reals_.assign(out.ints_.begin(), out.ints_.end());
      std::vector<std::int32_t>().swap(out.ints_);
      out.reals_.push_back(d);
      ++it;
      ++index;
      break;
    }
    // Reals.
    if (!plain && out.kind_ == Node::Kind::RealArray) {
      for (; it != end; ++it, ++index) {
        if (auto err = (*it).get(v)) Syntax(err, out.offset_);
        double d = 0;
        if (!v.get_double().get(d)) {
          out.reals_.push_back(d);
          if (index == kSample) Reserve(out.reals_, start, TokenStart(v));
          continue;
        }
        if (IsNumber(v)) Syntax(simdjson::NUMBER_ERROR, Offset(TokenStart(v)));
        plain = true;
        break;
      }
    }
    if (!plain) return;

    // Not all numbers: `v` is element `index`, the first that is not one.
    MakePlain(out, index);
    for (;;) {
      PathFrame frame{path, {}, index, true};
      Read(v, out.elements_.emplace_back(), &frame, depth);
      ++it;
      ++index;
      if (!(it != end)) break;
      if (auto err = (*it).get(v)) Syntax(err, out.offset_);
    }
  }

  // Large number arrays are allocated once instead of doubling (which
  // copies and, for a moment, holds both the old and the new vector): after
  // kSample elements, the count is estimated from their average width and the
  // distance to the next ']' (the end, in a flat list of numbers; a wrong
  // guess costs only some unused capacity or a later doubling).
  static constexpr std::size_t kSample = 64;
  template <class T>
  void Reserve(std::vector<T>& values, const char* arrayStart, const char* sample) const {
    if (arrayStart == nullptr || sample == nullptr) return;
    const char* const end = base_ + parsedSize_;
    const char* close =
        static_cast<const char*>(std::memchr(sample, ']', static_cast<std::size_t>(end - sample)));
    if (!close) return;
    const double width = static_cast<double>(sample - arrayStart) / kSample;
    values.reserve(values.size() +
                   static_cast<std::size_t>(static_cast<double>(close - sample) / width * 1.02) +
                   16);
  }

  bool IsNumber(ondemand::value& v) const {
    ondemand::json_type type;
    if (auto err = v.type().get(type)) Syntax(err, Offset(TokenStart(v)));
    return type == ondemand::json_type::number;
  }

  // Turns the first `count` packed numbers into element nodes, finding their
  // offsets (and whether each was written as an integer) in the text.
  void MakePlain(Node& out, std::size_t count) const {
    const bool wasInts = out.kind_ == Node::Kind::IntArray;
    out.elements_.reserve(count + 1);
    std::size_t p = out.offset_ + 1;
    for (std::size_t k = 0; k < count; ++k) {
      while (p < text_.size() && (IsSpace(text_[p]) || text_[p] == ',')) ++p;
      Node& e = out.elements_.emplace_back();
      e.offset_ = p;
      std::string_view literal = NumberLiteral(text_, p);
      p += literal.size();
      std::int64_t i = 0;
      if (wasInts) {
        e.kind_ = Node::Kind::Int;
        e.i_ = out.ints_[k];
      } else if (literal.find_first_of(".eE") == std::string_view::npos &&
                 std::from_chars(literal.data(), literal.data() + literal.size(), i).ec ==
                     std::errc()) {
        e.kind_ = Node::Kind::Int;
        e.i_ = i;
      } else {
        e.kind_ = Node::Kind::Real;
        e.d_ = out.reals_[k];
      }
    }
    std::vector<std::int32_t>().swap(out.ints_);
    std::vector<double>().swap(out.reals_);
    out.kind_ = Node::Kind::Array;
  }

  void ReadObject(ondemand::object& object, Node& out, const PathFrame* path, std::size_t depth) {
    out.kind_ = Node::Kind::Object;
    std::unordered_set<std::string> seen;  // used by large objects only
    constexpr std::size_t kLinearLimit = 16;
    for (auto result : object) {
      ondemand::field field;
      if (auto err = std::move(result).get(field)) Syntax(err, out.offset_);
      std::string_view key;
      const std::size_t keyOffset = Offset(field.key().raw()) - 1;
      if (auto err = field.unescaped_key().get(key)) Syntax(err, keyOffset);
      auto& members = out.members_;
      bool duplicate = false;
      if (members.size() < kLinearLimit) {
        for (const auto& m : members) duplicate = duplicate || m.first == key;
      } else {
        if (seen.empty())
          for (const auto& m : members) seen.insert(m.first);
        duplicate = !seen.insert(std::string(key)).second;
      }
      if (duplicate) {
        PathFrame frame{path, key, 0, false};
        Throw("json.duplicate-key", PathPointer(&frame), keyOffset,
              "duplicate member '" + std::string(key) + "'");
      }
      auto& member = members.emplace_back(NodeMember{std::string(key), Node()});
      PathFrame frame{path, member.first, 0, false};
      ondemand::value v = field.value();
      Read(v, member.second, &frame, depth);
    }
  }

  simdjson::padded_string_view padded_;
  const char* base_;
  std::size_t parsedSize_;
  const Skeleton* skeleton_;
  std::string_view text_;
  const std::string& file_;
  std::size_t bomLength_;
};

}  // namespace

void ReadTree(simdjson::padded_string_view parsed, std::string_view text, const Skeleton* skeleton,
              const std::string& file, std::size_t bomLength, Node& root) {
  Reader(parsed, text, skeleton, file, bomLength).Run(root);
}

}  // namespace mfl::json
