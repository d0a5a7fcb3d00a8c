#pragma once
// Reading of JSON model files: a compact tree of the document that keeps, for
// every value, its byte offset in the file (for line and column in messages),
// and stores arrays of numbers packed (int32 while every element is an int32,
// else double) instead of one tree node per number, so that million-element
// meshes load fast and small.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exceptions/nex_Exception.h"

/// An error in a model file: which file, where in it (JSON Pointer, line and
/// column), what is wrong, and a stable short identifier (listed in the docs).
class mfl_ModelFileError : public nex_TextException {
 public:
  mfl_ModelFileError(std::string id, std::string file, std::string pointer, std::size_t line,
                     std::size_t column, std::string what);
  /// An error about the file as a whole (it cannot be read): no pointer, no line.
  mfl_ModelFileError(std::string id, std::string file, std::string what);
  ~mfl_ModelFileError() override;

  const std::string& Id() const noexcept { return id_; }
  const std::string& File() const noexcept { return file_; }
  /// JSON Pointer of the value ("" is the document root); see HasPointer().
  const std::string& Pointer() const noexcept { return pointer_; }
  bool HasPointer() const noexcept { return hasPointer_; }
  std::size_t LineNumber() const noexcept { return line_; }  // 1-based, 0 when unknown
  std::size_t Column() const noexcept { return column_; }    // 1-based, 0 when unknown
  const std::string& Problem() const noexcept { return problem_; }
  /// "FILE:LINE:COLUMN: error [ID] at POINTER: PROBLEM" (parts that are unknown are left out;
  /// the root pointer "" is written "(root)"). Equal to Message().
  std::string Describe() const;

 protected:
  [[noreturn]] void Raise() const override;

 private:
  std::string id_, file_, pointer_;
  bool hasPointer_ = true;
  std::size_t line_ = 0, column_ = 0;
  std::string problem_;
};

namespace mfl {

class Document;
struct NodeMember;

/// One JSON value of the compact tree.
class Node {
 public:
  enum class Kind : std::uint8_t { Null, Bool, Int, Real, String, Array, Object, IntArray, RealArray };

  Kind kind() const noexcept { return kind_; }
  std::size_t offset() const noexcept { return offset_; }
  bool boolean() const noexcept { return b_; }
  /// Integers that do not fit int64 are stored as Real.
  std::int64_t integer() const noexcept { return i_; }
  double real() const noexcept { return d_; }
  const std::string& string() const noexcept { return s_; }
  /// Array (of non-numbers, or mixed) elements.
  const std::vector<Node>& elements() const noexcept { return elements_; }
  /// Object members in file order (duplicate keys are refused while parsing).
  const std::vector<NodeMember>& members() const noexcept { return members_; }
  /// Packed number arrays. An empty JSON array is an IntArray of size 0.
  const std::vector<std::int32_t>& ints() const noexcept { return ints_; }
  const std::vector<double>& reals() const noexcept { return reals_; }
  std::vector<std::int32_t>& ints() noexcept { return ints_; }
  std::vector<double>& reals() noexcept { return reals_; }

  /// Member by key, or nullptr.
  const Node* Find(std::string_view key) const noexcept;

  // Construction (used by the parser).
  Kind kind_ = Kind::Null;
  bool b_ = false;
  std::size_t offset_ = 0;
  std::int64_t i_ = 0;
  double d_ = 0.0;
  std::string s_;
  std::vector<Node> elements_;
  std::vector<NodeMember> members_;
  std::vector<std::int32_t> ints_;
  std::vector<double> reals_;
};

/// A member of an object: its key and value.
struct NodeMember {
  std::string first;
  Node second;
};

/// A parsed model file. Errors: "file.open" (cannot be read), "json.syntax"
/// (not valid JSON: truncated, bad token, ...), "json.duplicate-key".
class Document {
 public:
  static Document Load(const std::string& path);
  static Document Parse(std::string_view text, std::string displayName);
  /// A document made in memory rather than read from text (the Python
  /// module's models): errors name `displayName` and the JSON Pointer, with
  /// no line and column. The tree must be as the parser builds it: number
  /// arrays packed, finite numbers only, integers of int32 in packed int arrays.
  static Document FromTree(Node root, std::string displayName);

  Document(Document&&) noexcept;
  Document& operator=(Document&&) noexcept;
  ~Document();

  Node& Root() noexcept;
  const Node& Root() const noexcept;
  const std::string& FileName() const noexcept;
  /// 1-based line and column (in characters) of a byte offset. The line index
  /// is built on the first call (errors only), so loading does not pay for it.
  std::pair<std::size_t, std::size_t> LineColumn(std::size_t offset) const;
  /// The file content (kept for messages: line, column and number literals).
  std::string_view Text() const noexcept;
  /// Byte offset of element `index` of an array node; packed arrays store only
  /// their own offset, so the element is found by scanning the text.
  std::size_t ElementOffset(const Node& array, std::size_t index) const;

 private:
  Document();
  void Build();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

/// A value of the document together with its JSON Pointer, for typed reading
/// with precise errors. Every accessor throws mfl_ModelFileError naming the
/// file, the pointer, line and column.
class Ref {
 public:
  Ref(const Document& doc, const Node& node, std::string pointer);

  const Node& node() const noexcept { return *node_; }
  const std::string& pointer() const noexcept { return pointer_; }
  const Document& document() const noexcept { return *doc_; }

  bool IsNull() const noexcept;
  bool IsObject() const noexcept;
  bool IsArray() const noexcept;  // any array, packed or not
  bool IsString() const noexcept;
  bool IsNumber() const noexcept;

  /// Required member ("model.missing-member"), optional member (nullopt-like:
  /// Has() first) and child of an array.
  Ref Get(std::string_view key) const;
  bool Has(std::string_view key) const;
  Ref At(std::size_t index) const;  // arrays of non-packed elements
  std::size_t Size() const;         // arrays (packed or not) and objects
  /// Refuses members other than the listed ones ("model.unknown-member").
  void AllowOnly(std::initializer_list<std::string_view> keys) const;
  void AllowOnly(const std::vector<std::string_view>& keys) const;
  /// Calls f(Ref) for each element / f(key, Ref) for each member, in file order.
  template <class F> void ForEachElement(F&& f) const;
  template <class F> void ForEachMember(F&& f) const;

  // Scalars ("model.type" on a wrong type, "model.range" when out of range).
  std::string AsString() const;
  bool AsBool() const;
  int AsInt() const;               // must be an integer within int32
  double AsDouble() const;         // any finite number
  float AsFloat() const;           // any finite number within float range
  // Number arrays (packed or not). Ints() requires integers within int32.
  std::vector<std::int32_t> Ints() const;
  std::vector<double> Reals() const;
  std::vector<float> Floats() const;
  /// Moves a packed int array out of the tree (no copy); the node becomes empty.
  std::vector<std::int32_t> TakeInts() const;
  /// As Floats(), then frees the tree's packed numbers (the node becomes empty).
  std::vector<float> TakeFloats() const;

  /// Throws "id" at this value.
  [[noreturn]] void Fail(const std::string& id, const std::string& problem) const;
  /// Throws "id" at element `index` of this array (pointer gets "/index").
  [[noreturn]] void FailAt(std::size_t index, const std::string& id, const std::string& problem) const;

 private:
  const Document* doc_;
  const Node* node_;
  std::string pointer_;
};

/// Escapes a key for use in a JSON Pointer ("~" -> "~0", "/" -> "~1").
std::string PointerEscape(std::string_view key);
/// The JSON Pointer of a member or element of the value at `parent`:
/// `parent` + "/" + the escaped key or the index, in one allocation.
std::string ChildPointer(const std::string& parent, std::string_view key);
std::string ChildPointer(const std::string& parent, std::size_t index);

template <class F>
void Ref::ForEachElement(F&& f) const {
  if (!IsArray()) Fail("model.type", "expected an array");
  if (node_->kind() == Node::Kind::Array) {
    for (std::size_t i = 0; i < node_->elements().size(); ++i) f(At(i));
  } else if (Size() != 0) {
    Fail("model.type", "expected an array of objects or texts, not of numbers");
  }
}

template <class F>
void Ref::ForEachMember(F&& f) const {
  if (!IsObject()) Fail("model.type", "expected an object");
  for (auto& [key, value] : node_->members())
    f(key, Ref(*doc_, value, ChildPointer(pointer_, key)));
}

}  // namespace mfl
