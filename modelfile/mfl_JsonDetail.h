#pragma once
// The JSON reader's internals, shared by its three parts: the fast reader on
// simdjson (mfl_JsonReader.cpp), the scanner of long flat number arrays
// (mfl_JsonNumbers.cpp) and the validating scanner that words syntax errors
// (mfl_JsonSyntax.cpp); mfl_Json.cpp holds the document and its values. Not
// for use outside the reader.
#include <simdjson.h>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "modelfile/mfl_Json.h"

namespace mfl::json {

// Asks for huge pages under the array about to be filled, when it is large:
// in a virtual machine the first touch of each 4 KiB page is a costly fault,
// a tenth of the time of reading a mesh's connectivity.
template <class T>
inline void AdviseHugePages(std::vector<T>& values) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(values.data()) + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(values.data() + values.capacity()) & ~(kHuge - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)values;
#endif
}

// Deeper nesting is refused: keeps the recursive reader's stack use small.
constexpr std::size_t kMaxDepth = 256;

inline bool IsSpace(char c) noexcept { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
inline bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }
// Characters that may follow a number or a literal.
inline bool IsDelimiter(char c) noexcept {
  return IsSpace(c) || c == ',' || c == ']' || c == '}' || c == ':';
}


// Line and column (characters, 1-based) of `offset`, given the start of its line.
inline std::pair<std::size_t, std::size_t> ColumnOnLine(std::string_view text, std::size_t line,
                                                 std::size_t lineStart, std::size_t offset,
                                                 std::size_t bomLength) {
  std::size_t column = 1;
  for (std::size_t i = lineStart; i < offset; ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++column;
  // A byte order mark was blanked out to spaces; editors do not show it.
  if (lineStart == 0 && bomLength != 0 && column > bomLength) column -= bomLength;
  return {line, column};
}

// Without an index: used while reading, before the document exists.
inline std::pair<std::size_t, std::size_t> ScanLineColumn(std::string_view text, std::size_t offset,
                                                   std::size_t bomLength) {
  offset = std::min(offset, text.size());
  std::size_t line = 1, lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  }
  return ColumnOnLine(text, line, lineStart, offset, bomLength);
}

// The number literal at `offset`, as written in the file.
inline std::string_view NumberLiteral(std::string_view text, std::size_t offset) {
  std::size_t end = offset;
  while (end < text.size() && !IsDelimiter(text[end]) && text[end] != '"') ++end;
  return text.substr(offset, end - offset);
}

// Length of a valid UTF-8 sequence at `p` (at most `n` bytes available), 0 when invalid.
std::size_t Utf8Length(const unsigned char* p, std::size_t n) noexcept;

enum class NumberCheck { Ok, Invalid, OutOfRange };

// Checks a number token against the JSON grammar; `length` receives its extent.
NumberCheck CheckNumber(std::string_view text, std::size_t start, std::size_t& length);

// A readable quote of the token at `p` (for "invalid token 'tru'").
std::string TokenQuote(std::string_view text, std::size_t p);

struct SyntaxProblem {
  std::size_t offset;
  std::string pointer;
  std::string message;
};

// The first syntax error of `text`, with its place, JSON Pointer and words;
// none when the text is valid JSON.
std::optional<SyntaxProblem> FindSyntaxProblem(std::string_view text);

// The text simdjson reads when long number arrays were cut out of the file,
// the arrays themselves, and the way from offsets of that text to offsets of
// the file.
struct Skeleton {
  struct Array {
    std::size_t open, close;  // offsets of '[' and ']' in the file
    std::size_t cutOpen;      // offset of its "[]" in the cut text
    Node node;
  };
  simdjson::padded_string text;
  std::vector<Array> arrays;

  std::size_t ToFile(std::size_t offset) const {
    auto next = std::upper_bound(arrays.begin(), arrays.end(), offset,
                                 [](std::size_t o, const Array& a) { return o < a.cutOpen; });
    if (next == arrays.begin()) return offset;
    const Array& array = *(next - 1);
    const std::size_t past = offset - array.cutOpen;
    return past == 0 ? array.open : array.close + (past - 1);
  }

  // Moves each array into the empty array node simdjson read in its place.
  // The walk over the tree ends with the last array: the rest of a model
  // file (steps and their conditions, often most of its nodes) is not visited.
  void Attach(Node& root) {
    std::size_t left = arrays.size();
    AttachIn(root, left);
  }

 private:
  void AttachIn(Node& node, std::size_t& left) {
    if (node.kind_ == Node::Kind::IntArray && node.ints_.empty()) {
      auto it = std::lower_bound(arrays.begin(), arrays.end(), node.offset_,
                                 [](const Array& a, std::size_t o) { return a.open < o; });
      if (it != arrays.end() && it->open == node.offset_) {
        node.kind_ = it->node.kind_;
        node.ints_ = std::move(it->node.ints_);
        node.reals_ = std::move(it->node.reals_);
        --left;
      }
      return;
    }
    for (Node& element : node.elements_) {
      if (left == 0) return;
      AttachIn(element, left);
    }
    for (auto& member : node.members_) {
      if (left == 0) return;
      AttachIn(member.second, left);
    }
  }
};

// Cuts every long flat number array out of `text`. Empty when there is none.
// `consumed`, when given, is told ranges [begin, end) of the arrays' text as
// they are read: that text is needed again only for the places of errors (or
// when an array turns out not to be a flat number array after all).
std::unique_ptr<Skeleton> CutNumberArrays(std::string_view text,
                                          const std::function<void(std::size_t, std::size_t)>& consumed = {});

// Reads `parsed` (the file's text, or its skeleton when `skeleton` is not
// null) into `root`; `text` is the file's text, for places in messages.
void ReadTree(simdjson::padded_string_view parsed, std::string_view text, const Skeleton* skeleton,
              const std::string& file, std::size_t bomLength, Node& root);

}  // namespace mfl::json
