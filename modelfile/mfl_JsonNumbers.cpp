// The scanner of long flat number arrays (coordinates, connectivity, labels)
// of the JSON reader.
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "modelfile/mfl_JsonDetail.h"

namespace mfl::json {

namespace {

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

}  // namespace

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

}  // namespace mfl::json
