#include "modelfile/mfl_Json.h"

#include "modelfile/mfl_InputFile.h"

#include <simdjson.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <mutex>
#include <optional>
#include <system_error>
#include <unordered_set>

namespace ondemand = simdjson::ondemand;

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

std::string PointerEscape(std::string_view key) {
  std::string out;
  out.reserve(key.size());
  for (char c : key) {
    if (c == '~')
      out += "~0";
    else if (c == '/')
      out += "~1";
    else
      out += c;
  }
  return out;
}

namespace {

// Deeper nesting is refused: keeps the recursive reader's stack use small.
constexpr std::size_t kMaxDepth = 256;

bool IsSpace(char c) noexcept { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }
// Characters that may follow a number or a literal.
bool IsDelimiter(char c) noexcept {
  return IsSpace(c) || c == ',' || c == ']' || c == '}' || c == ':';
}

// Line and column (characters, 1-based) of `offset`, given the start of its line.
std::pair<std::size_t, std::size_t> ColumnOnLine(std::string_view text, std::size_t line,
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
std::pair<std::size_t, std::size_t> ScanLineColumn(std::string_view text, std::size_t offset,
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

// Length of a valid UTF-8 sequence at `p` (at most `n` bytes available), 0 when invalid.
std::size_t Utf8Length(const unsigned char* p, std::size_t n) noexcept {
  const unsigned char c = p[0];
  if (c < 0x80) return 1;
  std::size_t len;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;  // overlong
    if (c == 0xED) hi = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;  // overlong
    if (c == 0xF4) hi = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (n < len) return 0;
  if (p[1] < lo || p[1] > hi) return 0;
  for (std::size_t i = 2; i < len; ++i)
    if (p[i] < 0x80 || p[i] > 0xBF) return 0;
  return len;
}

enum class NumberCheck { Ok, Invalid, OutOfRange };

// Checks a number token against the JSON grammar; `length` receives its extent.
NumberCheck CheckNumber(std::string_view text, std::size_t start, std::size_t& length) {
  std::size_t p = start;
  const std::size_t n = text.size();
  auto digits = [&] {
    std::size_t from = p;
    while (p < n && IsDigit(text[p])) ++p;
    return p - from;
  };
  auto finish = [&](NumberCheck result) {
    while (p < n && !IsDelimiter(text[p])) ++p;
    length = p - start;
    return result;
  };
  if (p < n && text[p] == '-') ++p;
  std::size_t firstDigit = p;
  std::size_t intDigits = digits();
  if (intDigits == 0) return finish(NumberCheck::Invalid);
  if (intDigits > 1 && text[firstDigit] == '0') return finish(NumberCheck::Invalid);
  if (p < n && text[p] == '.') {
    ++p;
    if (digits() == 0) return finish(NumberCheck::Invalid);
  }
  if (p < n && (text[p] == 'e' || text[p] == 'E')) {
    ++p;
    if (p < n && (text[p] == '+' || text[p] == '-')) ++p;
    if (digits() == 0) return finish(NumberCheck::Invalid);
  }
  if (p < n && !IsDelimiter(text[p])) return finish(NumberCheck::Invalid);
  length = p - start;
  double value = 0;
  auto [end, ec] = std::from_chars(text.data() + start, text.data() + p, value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; only overflow is refused. The number overflows
    // when its magnitude is large: look at the position of the first
    // significant digit and the exponent.
    long long magnitude = 0;
    std::size_t q = firstDigit;
    while (q < p && text[q] == '0') ++q;
    if (q < p && IsDigit(text[q])) {
      std::size_t sig = q;
      while (q < p && IsDigit(text[q])) ++q;
      magnitude = static_cast<long long>(q - sig);
    } else {
      magnitude = 0;  // 0.000ddd: small
      if (q < p && text[q] == '.') {
        ++q;
        while (q < p && text[q] == '0') {
          ++q;
          --magnitude;
        }
      }
    }
    std::size_t e = start;
    while (e < p && text[e] != 'e' && text[e] != 'E') ++e;
    if (e < p) {
      ++e;
      bool negative = text[e] == '-';
      if (text[e] == '+' || text[e] == '-') ++e;
      long long exponent = 0;
      for (; e < p; ++e) exponent = std::min<long long>(exponent * 10 + (text[e] - '0'), 1LL << 40);
      magnitude += negative ? -exponent : exponent;
    }
    if (magnitude > 0) return NumberCheck::OutOfRange;
  }
  return NumberCheck::Ok;
}

// A readable quote of the token at `p` (for "invalid token 'tru'").
std::string TokenQuote(std::string_view text, std::size_t p) {
  std::size_t end = p;
  while (end < text.size() && end - p < 24 && !IsDelimiter(text[end]) && text[end] != '"' &&
         text[end] != '[' && text[end] != '{' && static_cast<unsigned char>(text[end]) >= 0x20 &&
         static_cast<unsigned char>(text[end]) < 0x7F)
    ++end;
  if (end == p) return {};
  return " '" + std::string(text.substr(p, end - p)) + "'";
}

struct SyntaxProblem {
  std::size_t offset;
  std::string pointer;
  std::string message;
};

// A plain validating scan of the whole text. It runs only after the fast
// reader has failed, to give the first error of the file a precise place, a
// JSON Pointer and a readable text whatever state the fast reader was left in.
class SyntaxScanner {
 public:
  explicit SyntaxScanner(std::string_view text) : t_(text) {}

  std::optional<SyntaxProblem> Run() {
    SkipSpace();
    if (p_ == t_.size()) return Problem(p_, false, "empty file: there is no JSON value");
    bool expectValue = true;
    for (;;) {
      if (expectValue) {
        SkipSpace();
        if (p_ == t_.size()) return EndOfFile();
        const char c = t_[p_];
        if (c == '{' || c == '[') {
          if (stack_.size() >= kMaxDepth)
            return Problem(p_, true,
                           "arrays and objects are nested deeper than " +
                               std::to_string(kMaxDepth) + " levels");
          stack_.push_back({c == '[', 0, {}, false});
          ++p_;
          SkipSpace();
          if (p_ < t_.size() && t_[p_] == (c == '[' ? ']' : '}')) {
            ++p_;
            stack_.pop_back();
            expectValue = false;
            continue;
          }
          if (c == '{') {
            if (auto problem = MemberName()) return problem;
          }
          continue;
        }
        if (c == '"') {
          if (auto problem = String(nullptr)) return problem;
        } else if (c == 't' || c == 'f' || c == 'n') {
          std::string_view word = c == 't' ? "true" : c == 'f' ? "false" : "null";
          if (t_.substr(p_, word.size()) != word ||
              (p_ + word.size() < t_.size() && !IsDelimiter(t_[p_ + word.size()])))
            return Problem(p_, true, "invalid token" + TokenQuote(t_, p_));
          p_ += word.size();
        } else if (c == '-' || IsDigit(c)) {
          std::size_t length = 0;
          switch (CheckNumber(t_, p_, length)) {
            case NumberCheck::Invalid:
              return Problem(p_, true, "invalid number" + TokenQuote(t_, p_));
            case NumberCheck::OutOfRange:
              return Problem(p_, true, "number out of range" + TokenQuote(t_, p_));
            case NumberCheck::Ok:
              break;
          }
          p_ += length;
        } else if (c == ']' || c == '}' || c == ',' || c == ':') {
          return Problem(p_, true, std::string("expected a value, found '") + c + "'");
        } else if (static_cast<unsigned char>(c) >= 0x80 &&
                   Utf8Length(reinterpret_cast<const unsigned char*>(t_.data() + p_),
                              t_.size() - p_) == 0) {
          return Problem(p_, true, "invalid UTF-8");
        } else {
          return Problem(p_, true, "invalid token" + TokenQuote(t_, p_));
        }
        expectValue = false;
        continue;
      }
      // After a value.
      SkipSpace();
      if (stack_.empty()) {
        if (p_ != t_.size())
          return Problem(p_, false, "unexpected content after the end of the JSON value");
        return std::nullopt;
      }
      if (p_ == t_.size()) return EndOfFile();
      Frame& frame = stack_.back();
      const char c = t_[p_];
      if (c == ',') {
        ++p_;
        if (frame.array) {
          ++frame.index;
        } else {
          SkipSpace();
          if (auto problem = MemberName()) return problem;
        }
        expectValue = true;
      } else if (c == (frame.array ? ']' : '}')) {
        ++p_;
        stack_.pop_back();
      } else {
        return Problem(p_, false,
                       frame.array ? "expected ',' or ']' after an array element"
                                   : "expected ',' or '}' after a member value");
      }
    }
  }

 private:
  struct Frame {
    bool array;
    std::size_t index;
    std::string key;
    bool hasKey;
  };

  void SkipSpace() {
    while (p_ < t_.size() && IsSpace(t_[p_])) ++p_;
  }

  std::string Pointer(bool withCurrent) const {
    std::string out;
    for (std::size_t i = 0; i < stack_.size(); ++i) {
      const Frame& f = stack_[i];
      if (i + 1 == stack_.size() && !withCurrent) break;
      if (f.array) {
        out += '/';
        out += std::to_string(f.index);
      } else if (f.hasKey) {
        out += '/';
        out += PointerEscape(f.key);
      }
    }
    return out;
  }

  std::optional<SyntaxProblem> Problem(std::size_t offset, bool withCurrent, std::string message) {
    return SyntaxProblem{offset, Pointer(withCurrent), std::move(message)};
  }

  std::optional<SyntaxProblem> EndOfFile() {
    return Problem(t_.size(), false, "unexpected end of file: an array or object is not closed");
  }

  // A member name and its ':'; p_ is at the (expected) opening quote.
  std::optional<SyntaxProblem> MemberName() {
    Frame& frame = stack_.back();
    frame.hasKey = false;
    if (p_ == t_.size()) return EndOfFile();
    if (t_[p_] != '"') {
      if (t_[p_] == '}') return Problem(p_, false, "expected a member name after ','");
      return Problem(p_, false, "expected a member name in double quotes");
    }
    std::string key;
    if (auto problem = String(&key)) return problem;
    stack_.back().key = std::move(key);
    stack_.back().hasKey = true;
    SkipSpace();
    if (p_ == t_.size()) return EndOfFile();
    if (t_[p_] != ':') return Problem(p_, true, "expected ':' after the member name");
    ++p_;
    return std::nullopt;
  }

  static int Hex4(std::string_view s) {
    int v = 0;
    for (char c : s) {
      v <<= 4;
      if (c >= '0' && c <= '9')
        v |= c - '0';
      else if (c >= 'a' && c <= 'f')
        v |= c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        v |= c - 'A' + 10;
      else
        return -1;
    }
    return v;
  }

  // A text in double quotes; p_ is at the opening quote. The unescaped text
  // goes to `out` (member names only; ASCII escapes suffice for pointers).
  std::optional<SyntaxProblem> String(std::string* out) {
    const std::size_t open = p_;
    ++p_;
    const std::size_t n = t_.size();
    while (p_ < n) {
      const unsigned char c = static_cast<unsigned char>(t_[p_]);
      if (c == '"') {
        ++p_;
        return std::nullopt;
      }
      if (c < 0x20)
        return Problem(p_, true, "control character in a text (write it as an escape, e.g. \\n)");
      if (c == '\\') {
        if (p_ + 1 >= n) break;
        const char e = t_[p_ + 1];
        if (e == 'u') {
          int code = p_ + 6 <= n ? Hex4(t_.substr(p_ + 2, 4)) : -1;
          if (code < 0) return Problem(p_, true, "invalid \\u escape in a text");
          std::size_t escapeStart = p_;
          p_ += 6;
          if (code >= 0xDC00 && code <= 0xDFFF)
            return Problem(escapeStart, true, "unpaired surrogate in a \\u escape");
          if (code >= 0xD800 && code <= 0xDBFF) {
            int low = (p_ + 6 <= n && t_[p_] == '\\' && t_[p_ + 1] == 'u')
                          ? Hex4(t_.substr(p_ + 2, 4))
                          : -1;
            if (low < 0xDC00 || low > 0xDFFF)
              return Problem(escapeStart, true, "unpaired surrogate in a \\u escape");
            p_ += 6;
          }
          if (out && code < 0x80) *out += static_cast<char>(code);
          continue;
        }
        static constexpr std::string_view kSimple = "\"\\/bfnrt";
        static constexpr std::string_view kValue = "\"\\/\b\f\n\r\t";
        std::size_t k = kSimple.find(e);
        if (k == std::string_view::npos)
          return Problem(p_, true, "invalid escape sequence in a text");
        if (out) *out += kValue[k];
        p_ += 2;
        continue;
      }
      if (c >= 0x80) {
        std::size_t len =
            Utf8Length(reinterpret_cast<const unsigned char*>(t_.data() + p_), n - p_);
        if (len == 0) return Problem(p_, true, "invalid UTF-8 in a text");
        if (out) out->append(t_.data() + p_, len);
        p_ += len;
        continue;
      }
      if (out) *out += static_cast<char>(c);
      ++p_;
    }
    return Problem(open, true, "unexpected end of file: a text is not closed");
  }

  std::string_view t_;
  std::size_t p_ = 0;
  std::vector<Frame> stack_;
};

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

// The number literal at `offset`, as written in the file.
std::string_view NumberLiteral(std::string_view text, std::size_t offset) {
  std::size_t end = offset;
  while (end < text.size() && !IsDelimiter(text[end]) && text[end] != '"') ++end;
  return text.substr(offset, end - offset);
}

// ---------------------------------------------------------------------------
// Long flat arrays of numbers (coordinates, connectivity, labels) are read
// here, not by simdjson: simdjson's index of a document holds four bytes per
// structural character, two per number of such an array, which for a mesh
// file is about as much memory again as the file itself. The arrays are cut
// out of the text that simdjson reads (each becomes "[]") and their numbers
// are read straight into packed vectors with the same rules as the reader's.

// Arrays shorter than this (in bytes of text) are left to simdjson.
constexpr std::size_t kPackedMinBytes = 1024;

// 10^k, exact as doubles for k <= 22.
constexpr double kExactPowers[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A number of a packed array: an integer literal with its magnitude, or a
// real with its value.
struct ScannedNumber {
  bool integer;      // a literal without fraction or exponent, of at most 19 digits
  bool negative;
  std::uint64_t magnitude;
  double real;       // the value, for literals that are not such integers
};

// Scans one JSON number at p. `text` ends in a ']' beyond the number, which
// stops every digit loop. Returns the end of the number, or nullptr when the
// text there is not a valid number or overflows a double.
const char* ScanNumber(std::string_view text, const char* p, ScannedNumber& out) {
  const char* q = p;
  out.negative = *q == '-';
  if (out.negative) ++q;
  if (!IsDigit(*q)) return nullptr;
  const char* first = q;
  std::uint64_t mantissa = std::uint64_t(*q++ - '0');
  if (mantissa == 0 && IsDigit(*q)) return nullptr;  // leading zero
  while (IsDigit(*q)) mantissa = mantissa * 10 + std::uint64_t(*q++ - '0');
  std::size_t digits = std::size_t(q - first);
  if (*q != '.' && *q != 'e' && *q != 'E' && digits <= 19) {
    out.integer = true;
    out.magnitude = mantissa;
    return q;
  }
  out.integer = false;
  int fraction = 0;
  if (*q == '.') {
    ++q;
    if (!IsDigit(*q)) return nullptr;
    while (IsDigit(*q)) {
      mantissa = mantissa * 10 + std::uint64_t(*q++ - '0');
      ++fraction;
    }
    digits += std::size_t(fraction);
  }
  int exponent = 0;
  if (*q == 'e' || *q == 'E') {
    ++q;
    const bool negativeExponent = *q == '-';
    if (*q == '+' || *q == '-') ++q;
    if (!IsDigit(*q)) return nullptr;
    while (IsDigit(*q)) exponent = std::min(exponent * 10 + (*q++ - '0'), 100000);
    if (negativeExponent) exponent = -exponent;
  }
  // Exact when the digits fit a double's mantissa and the power of ten is
  // exact: one correctly rounded multiplication or division.
  const int power = exponent - fraction;
  if (digits <= 19 && mantissa <= (std::uint64_t(1) << 53) && power >= -22 && power <= 22) {
    const double m = double(mantissa);
    out.real = power >= 0 ? m * kExactPowers[power] : m / kExactPowers[-power];
    if (out.negative) out.real = -out.real;
    return q;
  }
  auto [end, ec] = std::from_chars(p, q, out.real);
  if (ec == std::errc::result_out_of_range) {
    std::size_t length = 0;
    if (CheckNumber(text, std::size_t(p - text.data()), length) != NumberCheck::Ok) return nullptr;
    out.real = out.negative ? -0.0 : 0.0;  // underflow reads as zero
    return q;
  }
  if (ec != std::errc() || end != q) return nullptr;
  return q;
}

// Reads the flat number array text[open] = '[' .. text[close] = ']' into
// `out` with the reader's rules: int32 while every number is an int32
// integer, else double (integers read before the switch keep their value;
// later ones are read as doubles, so "-0" there is -0.0). False when the
// array is empty or holds anything but valid numbers: simdjson reads it then.
bool ScanPackedArray(std::string_view text, std::size_t open, std::size_t close, Node& out) {
  const char* p = text.data() + open + 1;
  const char* const stop = text.data() + close;
  // The count, estimated from the first few kilobytes (a closer look at the
  // whole array would cost a pass over it); a low guess only costs a doubling.
  const std::size_t length = std::size_t(stop - p);
  const std::size_t sample = std::min<std::size_t>(length, 4096);
  const std::size_t commas = std::size_t(std::count(p, p + sample, ','));
  const std::size_t count = commas == 0 ? 1 : std::size_t(double(length) / double(sample) * double(commas) * 1.02) + 16;
  out.kind_ = Node::Kind::IntArray;
  out.offset_ = open;
  out.ints_.reserve(count);
  while (IsSpace(*p)) ++p;
  if (p == stop) return false;
  ScannedNumber number;
  for (;;) {
    // The common case first: a short integer literal while the array is int32.
    if (out.kind_ == Node::Kind::IntArray) {
      const bool negative = *p == '-';
      const char* q = p + (negative ? 1 : 0);
      unsigned digit = unsigned(*q) - '0';
      if (digit <= 9 && !(digit == 0 && IsDigit(q[1]))) {
        std::int64_t value = digit;
        const char* const first = q++;
        while ((digit = unsigned(*q) - '0') <= 9 && q - first < 10) {
          value = value * 10 + digit;
          ++q;
        }
        if (negative) value = -value;
        if (!IsDigit(*q) && *q != '.' && *q != 'e' && *q != 'E' && value >= INT32_MIN && value <= INT32_MAX &&
            (IsSpace(*q) || *q == ',' || q == stop)) {
          out.ints_.push_back(std::int32_t(value));
          p = q;
          if (*p == ',') {
            ++p;
            while (IsSpace(*p)) ++p;
            continue;
          }
          while (IsSpace(*p)) ++p;
          if (p == stop) return true;
          if (*p != ',') return false;
          ++p;
          while (IsSpace(*p)) ++p;
          continue;
        }
      }
    }
    const char* end = ScanNumber(text, p, number);
    if (end == nullptr || !(IsSpace(*end) || *end == ',' || end == stop)) return false;
    if (out.kind_ == Node::Kind::IntArray) {
      const std::uint64_t limit = number.negative ? std::uint64_t(1) << 31 : (std::uint64_t(1) << 31) - 1;
      if (number.integer && number.magnitude <= limit) {
        out.ints_.push_back(number.negative ? std::int32_t(-std::int64_t(number.magnitude))
                                            : std::int32_t(number.magnitude));
      } else {
        out.kind_ = Node::Kind::RealArray;
        out.reals_.reserve(count);
        out.reals_.assign(out.ints_.begin(), out.ints_.end());
        std::vector<std::int32_t>().swap(out.ints_);
      }
    }
    if (out.kind_ == Node::Kind::RealArray) {
      if (number.integer) {
        const double magnitude = double(number.magnitude);
        out.reals_.push_back(number.negative ? -magnitude : magnitude);
      } else {
        out.reals_.push_back(number.real);
      }
    }
    p = end;
    while (IsSpace(*p)) ++p;
    if (p == stop) return true;
    if (*p != ',') return false;
    ++p;
    while (IsSpace(*p)) ++p;
  }
}

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
  void Attach(Node& node) {
    if (node.kind_ == Node::Kind::IntArray && node.ints_.empty()) {
      auto it = std::lower_bound(arrays.begin(), arrays.end(), node.offset_,
                                 [](const Array& a, std::size_t o) { return a.open < o; });
      if (it != arrays.end() && it->open == node.offset_) {
        node.kind_ = it->node.kind_;
        node.ints_ = std::move(it->node.ints_);
        node.reals_ = std::move(it->node.reals_);
      }
      return;
    }
    for (Node& element : node.elements_) Attach(element);
    for (auto& member : node.members_) Attach(member.second);
  }
};

// Past the text in double quotes that starts at `p`; npos when it is not closed.
std::size_t SkipString(std::string_view text, std::size_t p) {
  for (++p; p < text.size(); ++p) {
    if (text[p] == '\\')
      ++p;
    else if (text[p] == '"')
      return p + 1;
  }
  return std::string_view::npos;
}

// Cuts every long flat number array out of `text`. Empty when there is none.
std::unique_ptr<Skeleton> CutNumberArrays(std::string_view text) {
  auto skeleton = std::make_unique<Skeleton>();
  std::string cut;
  std::size_t copied = 0;
  for (std::size_t p = 0; p < text.size();) {
    const char c = text[p];
    if (c == '"') {
      p = SkipString(text, p);
      if (p == std::string_view::npos) break;
      continue;
    }
    if (c == '[') {
      std::size_t q = p + 1;
      while (q < text.size() && IsSpace(text[q])) ++q;
      if (q < text.size() && (text[q] == '-' || IsDigit(text[q]))) {
        const void* found = std::memchr(text.data() + q, ']', text.size() - q);
        const std::size_t close = found ? std::size_t(static_cast<const char*>(found) - text.data()) : 0;
        Skeleton::Array array{p, close, 0, Node()};
        if (found && close - p >= kPackedMinBytes && ScanPackedArray(text, p, close, array.node)) {
          cut.append(text.data() + copied, p - copied);
          array.cutOpen = cut.size();
          cut += "[]";
          copied = close + 1;
          skeleton->arrays.push_back(std::move(array));
          p = close + 1;
          continue;
        }
      }
    }
    ++p;
  }
  if (skeleton->arrays.empty()) return nullptr;
  cut.append(text.data() + copied, text.size() - copied);
  skeleton->text = simdjson::padded_string(cut);
  return skeleton;
}

// Reads the document with the simdjson On-Demand API into the compact tree.
class Reader {
 public:
  // Reads `parsed`: the file's text, or its skeleton (`skeleton` not null),
  // whose offsets are mapped back to the file's. `text` is the file's text.
  Reader(const simdjson::padded_string& parsed, std::string_view text, const Skeleton* skeleton,
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
    if (auto problem = SyntaxScanner(text_).Run()) {
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

  const simdjson::padded_string& padded_;
  const char* base_;
  std::size_t parsedSize_;
  const Skeleton* skeleton_;
  std::string_view text_;
  const std::string& file_;
  std::size_t bomLength_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Node and Document

const Node* Node::Find(std::string_view key) const noexcept {
  for (const auto& [name, value] : members_)
    if (name == key) return &value;
  return nullptr;
}

struct Document::Impl {
  simdjson::padded_string text;
  std::string fileName;
  std::size_t bomLength = 0;
  Node root;
  mutable std::once_flag lineIndexOnce;
  mutable std::vector<std::size_t> lineStarts;  // offset of each line but the first
};

Document::Document() : impl_(std::make_unique<Impl>()) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

Node& Document::Root() noexcept { return impl_->root; }
const Node& Document::Root() const noexcept { return impl_->root; }
const std::string& Document::FileName() const noexcept { return impl_->fileName; }
std::string_view Document::Text() const noexcept {
  return std::string_view(impl_->text.data(), impl_->text.size());
}

std::pair<std::size_t, std::size_t> Document::LineColumn(std::size_t offset) const {
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
  return ColumnOnLine(text, line, lineStart, offset, impl_->bomLength);
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
  if (impl.text.size() >= 3 && std::memcmp(impl.text.data(), "\xEF\xBB\xBF", 3) == 0) {
    std::memset(impl.text.data(), ' ', 3);
    impl.bomLength = 3;
  }
  const std::string_view text(impl.text.data(), impl.text.size());
  if (std::unique_ptr<Skeleton> skeleton = CutNumberArrays(text)) {
    Reader(skeleton->text, text, skeleton.get(), impl.fileName, impl.bomLength).Run(impl.root);
    skeleton->Attach(impl.root);
  } else {
    Reader(impl.text, text, nullptr, impl.fileName, impl.bomLength).Run(impl.root);
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
  doc.impl_->text = simdjson::padded_string(text);
  doc.Build();
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
  doc.impl_->text = simdjson::padded_string(static_cast<std::size_t>(size));
  if (size != 0 && doc.impl_->text.data() == nullptr) FailOpen(path, "out of memory");
  const std::size_t got = std::fread(doc.impl_->text.data(), 1, static_cast<std::size_t>(size), f);
  if (got != size)
    FailOpen(path, std::ferror(f) ? std::strerror(errno) : "the file changed while reading");
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
  mfl_ModelFileError(id, doc_->FileName(), pointer_ + "/" + std::to_string(index), line, column,
                     problem)
      .Throw(__FILE__, __LINE__);
}

Ref Ref::Get(std::string_view key) const {
  if (!IsObject()) Fail("model.type", std::string("expected an object, found ") + KindName(*node_));
  const Node* child = node_->Find(key);
  if (!child) Fail("model.missing-member", "missing member '" + std::string(key) + "'");
  return Ref(*doc_, *child, pointer_ + "/" + PointerEscape(key));
}

bool Ref::Has(std::string_view key) const { return IsObject() && node_->Find(key) != nullptr; }

Ref Ref::At(std::size_t index) const {
  if (node_->kind() != Node::Kind::Array) {
    if (IsArray()) Fail("model.type", "expected an array of objects or texts, not of numbers");
    Fail("model.type", std::string("expected an array, found ") + KindName(*node_));
  }
  NEX_ASSERT(index < node_->elements().size());
  return Ref(*doc_, node_->elements()[index], pointer_ + "/" + std::to_string(index));
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
    Ref(*doc_, value, pointer_ + "/" + PointerEscape(name))
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
        out.push_back(Ref(*doc_, elements[i], pointer_ + "/" + std::to_string(i)).AsInt());
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
        out.push_back(Ref(*doc_, elements[i], pointer_ + "/" + std::to_string(i)).AsDouble());
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
      std::vector<float> out(reals.size());
      for (std::size_t i = 0; i < reals.size(); ++i) {
        const double d = reals[i];
        if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max()))
          FailAt(i, "model.range",
                 "value " + Literal(*doc_, doc_->ElementOffset(*node_, i), d) +
                     " does not fit a float");
        out[i] = static_cast<float>(d);
      }
      return out;
    }
    case Node::Kind::Array: {
      const auto& elements = node_->elements();
      std::vector<float> out;
      out.reserve(elements.size());
      for (std::size_t i = 0; i < elements.size(); ++i)
        out.push_back(Ref(*doc_, elements[i], pointer_ + "/" + std::to_string(i)).AsFloat());
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
