// The validating scanner of the JSON reader. It runs only after the fast
// reader has failed, to give the first error of the file a precise place, a
// JSON Pointer and a readable text.
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "modelfile/mfl_JsonDetail.h"

namespace mfl::json {

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

namespace {

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

}  // namespace

std::optional<SyntaxProblem> FindSyntaxProblem(std::string_view text) { return SyntaxScanner(text).Run(); }

}  // namespace mfl::json
