#include "textstream/utl_Stream.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

#include "exceptions/nex_Exception.h"

namespace utl_StreamDetail {

// Decimal literals: the compiler rounds each one to the nearest double.
const double kPowersOf10[kPowerMax - kPowerMin + 1] = {
    1e-300, 1e-299, 1e-298, 1e-297, 1e-296, 1e-295, 1e-294, 1e-293, 1e-292, 1e-291, 1e-290, 1e-289,
    1e-288, 1e-287, 1e-286, 1e-285, 1e-284, 1e-283, 1e-282, 1e-281, 1e-280, 1e-279, 1e-278, 1e-277,
    1e-276, 1e-275, 1e-274, 1e-273, 1e-272, 1e-271, 1e-270, 1e-269, 1e-268, 1e-267, 1e-266, 1e-265,
    1e-264, 1e-263, 1e-262, 1e-261, 1e-260, 1e-259, 1e-258, 1e-257, 1e-256, 1e-255, 1e-254, 1e-253,
    1e-252, 1e-251, 1e-250, 1e-249, 1e-248, 1e-247, 1e-246, 1e-245, 1e-244, 1e-243, 1e-242, 1e-241,
    1e-240, 1e-239, 1e-238, 1e-237, 1e-236, 1e-235, 1e-234, 1e-233, 1e-232, 1e-231, 1e-230, 1e-229,
    1e-228, 1e-227, 1e-226, 1e-225, 1e-224, 1e-223, 1e-222, 1e-221, 1e-220, 1e-219, 1e-218, 1e-217,
    1e-216, 1e-215, 1e-214, 1e-213, 1e-212, 1e-211, 1e-210, 1e-209, 1e-208, 1e-207, 1e-206, 1e-205,
    1e-204, 1e-203, 1e-202, 1e-201, 1e-200, 1e-199, 1e-198, 1e-197, 1e-196, 1e-195, 1e-194, 1e-193,
    1e-192, 1e-191, 1e-190, 1e-189, 1e-188, 1e-187, 1e-186, 1e-185, 1e-184, 1e-183, 1e-182, 1e-181,
    1e-180, 1e-179, 1e-178, 1e-177, 1e-176, 1e-175, 1e-174, 1e-173, 1e-172, 1e-171, 1e-170, 1e-169,
    1e-168, 1e-167, 1e-166, 1e-165, 1e-164, 1e-163, 1e-162, 1e-161, 1e-160, 1e-159, 1e-158, 1e-157,
    1e-156, 1e-155, 1e-154, 1e-153, 1e-152, 1e-151, 1e-150, 1e-149, 1e-148, 1e-147, 1e-146, 1e-145,
    1e-144, 1e-143, 1e-142, 1e-141, 1e-140, 1e-139, 1e-138, 1e-137, 1e-136, 1e-135, 1e-134, 1e-133,
    1e-132, 1e-131, 1e-130, 1e-129, 1e-128, 1e-127, 1e-126, 1e-125, 1e-124, 1e-123, 1e-122, 1e-121,
    1e-120, 1e-119, 1e-118, 1e-117, 1e-116, 1e-115, 1e-114, 1e-113, 1e-112, 1e-111, 1e-110, 1e-109,
    1e-108, 1e-107, 1e-106, 1e-105, 1e-104, 1e-103, 1e-102, 1e-101, 1e-100, 1e-99,  1e-98,  1e-97,
    1e-96,  1e-95,  1e-94,  1e-93,  1e-92,  1e-91,  1e-90,  1e-89,  1e-88,  1e-87,  1e-86,  1e-85,
    1e-84,  1e-83,  1e-82,  1e-81,  1e-80,  1e-79,  1e-78,  1e-77,  1e-76,  1e-75,  1e-74,  1e-73,
    1e-72,  1e-71,  1e-70,  1e-69,  1e-68,  1e-67,  1e-66,  1e-65,  1e-64,  1e-63,  1e-62,  1e-61,
    1e-60,  1e-59,  1e-58,  1e-57,  1e-56,  1e-55,  1e-54,  1e-53,  1e-52,  1e-51,  1e-50,  1e-49,
    1e-48,  1e-47,  1e-46,  1e-45,  1e-44,  1e-43,  1e-42,  1e-41,  1e-40,  1e-39,  1e-38,  1e-37,
    1e-36,  1e-35,  1e-34,  1e-33,  1e-32,  1e-31,  1e-30,  1e-29,  1e-28,  1e-27,  1e-26,  1e-25,
    1e-24,  1e-23,  1e-22,  1e-21,  1e-20,  1e-19,  1e-18,  1e-17,  1e-16,  1e-15,  1e-14,  1e-13,
    1e-12,  1e-11,  1e-10,  1e-9,   1e-8,   1e-7,   1e-6,   1e-5,   1e-4,   1e-3,   1e-2,   1e-1,
    1e0,    1e1,    1e2,    1e3,    1e4,    1e5,    1e6,    1e7,    1e8,    1e9,    1e10,   1e11,
    1e12,   1e13,   1e14,   1e15,   1e16,   1e17,   1e18,   1e19,   1e20,   1e21,   1e22,   1e23,
    1e24,   1e25,   1e26,   1e27,   1e28,   1e29,   1e30,   1e31,   1e32,   1e33,   1e34,   1e35,
    1e36,   1e37,   1e38,   1e39,   1e40,   1e41,   1e42,   1e43,   1e44,   1e45,   1e46,   1e47,
    1e48,   1e49,   1e50,   1e51,   1e52,   1e53,   1e54,   1e55,   1e56,   1e57,   1e58,   1e59,
    1e60,   1e61,   1e62,   1e63,   1e64,   1e65,   1e66,   1e67,   1e68,   1e69,   1e70,   1e71,
    1e72,   1e73,   1e74,   1e75,   1e76,   1e77,   1e78,   1e79,   1e80,   1e81,   1e82,   1e83,
    1e84,   1e85,   1e86,   1e87,   1e88,   1e89,   1e90,   1e91,   1e92,   1e93,   1e94,   1e95,
    1e96,   1e97,   1e98,   1e99,   1e100,  1e101,  1e102,  1e103,  1e104,  1e105,  1e106,  1e107,
    1e108,  1e109,  1e110,  1e111,  1e112,  1e113,  1e114,  1e115,  1e116,  1e117,  1e118,  1e119,
    1e120,  1e121,  1e122,  1e123,  1e124,  1e125,  1e126,  1e127,  1e128,  1e129,  1e130,  1e131,
    1e132,  1e133,  1e134,  1e135,  1e136,  1e137,  1e138,  1e139,  1e140,  1e141,  1e142,  1e143,
    1e144,  1e145,  1e146,  1e147,  1e148,  1e149,  1e150,  1e151,  1e152,  1e153,  1e154,  1e155,
    1e156,  1e157,  1e158,  1e159,  1e160,  1e161,  1e162,  1e163,  1e164,  1e165,  1e166,  1e167,
    1e168,  1e169,  1e170,  1e171,  1e172,  1e173,  1e174,  1e175,  1e176,  1e177,  1e178,  1e179,
    1e180,  1e181,  1e182,  1e183,  1e184,  1e185,  1e186,  1e187,  1e188,  1e189,  1e190,  1e191,
    1e192,  1e193,  1e194,  1e195,  1e196,  1e197,  1e198,  1e199,  1e200,  1e201,  1e202,  1e203,
    1e204,  1e205,  1e206,  1e207,  1e208,  1e209,  1e210,  1e211,  1e212,  1e213,  1e214,  1e215,
    1e216,  1e217,  1e218,  1e219,  1e220,  1e221,  1e222,  1e223,  1e224,  1e225,  1e226,  1e227,
    1e228,  1e229,  1e230,  1e231,  1e232,  1e233,  1e234,  1e235,  1e236,  1e237,  1e238,  1e239,
    1e240,  1e241,  1e242,  1e243,  1e244,  1e245,  1e246,  1e247,  1e248,  1e249,  1e250,  1e251,
    1e252,  1e253,  1e254,  1e255,  1e256,  1e257,  1e258,  1e259,  1e260,  1e261,  1e262,  1e263,
    1e264,  1e265,  1e266,  1e267,  1e268,  1e269,  1e270,  1e271,  1e272,  1e273,  1e274,  1e275,
    1e276,  1e277,  1e278,  1e279,  1e280,  1e281,  1e282,  1e283,  1e284,  1e285,  1e286,  1e287,
    1e288,  1e289,  1e290,  1e291,  1e292,  1e293,  1e294,  1e295,  1e296,  1e297,  1e298,  1e299,
    1e300,  1e301,  1e302,  1e303,  1e304,  1e305,  1e306,  1e307,  1e308,
};

}  // namespace utl_StreamDetail

namespace {

using utl_StreamDetail::LayoutReal;

/// Longest text a real can take in any layout the stream makes with an
/// exponent limit of at most kLimitMax: a fixed double up to 1e308 has 309
/// digits, a point and a sign.
constexpr int kLimitMax = 330;
constexpr std::size_t kRealText = 400;

int ClampLimit(int limit) { return std::clamp(limit, -5, kLimitMax); }

char* WriteLiteral(char* out, const char* text) {
  const std::size_t size = std::strlen(text);
  std::memcpy(out, text, size);
  return out + size;
}

/// Text of the values that have no digits to lay out: zero (also a value
/// below the small-value threshold), infinities and NaN. Returns nullptr for
/// any other value.
char* FormatSpecial(char* out, double value, double smallReal) {
  const double magnitude = std::fabs(value);
  if (smallReal > 0 && magnitude < smallReal) return WriteLiteral(out, "0.");
  if (std::isnan(value)) return WriteLiteral(out, "nan");
  if (std::isinf(value)) return WriteLiteral(out, value < 0 ? "-inf" : "inf");
  if (magnitude == 0) return WriteLiteral(out, std::signbit(value) ? "-0." : "0.");
  return nullptr;
}

/// Significant digits (no trailing zeros) and decimal exponent of the
/// shortest text that reads back to `magnitude` (> 0, finite).
template <class T>
int ShortestDigits(T magnitude, char* digits, int& exponent) {
  char text[48];
  const auto result =
      std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
  // "d[.ddd]e[+-]xx"
  const char* p = text;
  int count = 0;
  digits[count++] = *p++;
  if (*p == '.') {
    ++p;
    while (*p != 'e') digits[count++] = *p++;
  }
  ++p;  // 'e'
  const bool negative = *p++ == '-';
  int value = 0;
  while (p != result.ptr) value = value * 10 + (*p++ - '0');
  exponent = negative ? -value : value;
  return count;
}

template <class T>
char* FormatShortest(char* out, T value, int fixedLimit, double smallReal) {
  if (char* end = FormatSpecial(out, double(value), smallReal)) return end;
  char digits[32];
  int exponent = 0;
  const int count = ShortestDigits(std::fabs(value), digits, exponent);
  return LayoutReal(out, std::signbit(value), digits, count, exponent, fixedLimit);
}

/// `value` rounded to `precision` significant digits in the %g layout of the
/// solver's form. `out` has room for precision + 24 characters (the longest
/// %g text is precision + 7 characters and a sign).
char* FormatGeneral(char* out, double value, int precision, double smallReal) {
  if (char* end = FormatSpecial(out, value, smallReal)) return end;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  const bool normal = magnitude >= DBL_MIN;
  if (normal && precision <= 9) {
    if (char* end = utl_StreamDetail::FormatPrecise(out, negative, magnitude, precision))
      return end;
  }
  if (normal && precision <= 15) {
    // The shortest round-trip digits are within half an ulp of the value,
    // which for a normal double is less than half a unit in the 15th
    // significant digit: when there are at most `precision` of them they are
    // the correctly rounded digits.
    char digits[32];
    int exponent = 0;
    const int count = ShortestDigits(magnitude, digits, exponent);
    if (count <= precision) return LayoutReal(out, negative, digits, count, exponent, precision);
  }
  char* p = out;
  if (negative) *p++ = '-';
  const auto result =
      std::to_chars(p, p + precision + 20, magnitude, std::chars_format::general, precision);
  if (std::find_if(p, result.ptr, [](char c) { return c == '.' || c == 'e'; }) == result.ptr) {
    *result.ptr = '.';
    return result.ptr + 1;
  }
  return result.ptr;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

utl_Stream::utl_Stream(aio_ios& ios, int lineLimit, int doubleExponentLimit, int floatExponentLimit)
    : ios_(ios),
      storage_(new char[kBlockSize]),
      lineLimit_(lineLimit),
      doubleExponentLimit_(ClampLimit(doubleExponentLimit)),
      floatExponentLimit_(ClampLimit(floatExponentLimit)) {
  buf_ = storage_.get();
  cur_ = buf_;
  end_ = buf_ + kBlockSize - kSlack;
}

utl_Stream::utl_Stream(aio_ios& ios, const utl_Stream& settings)
    : utl_Stream(ios, settings.lineLimit_, settings.doubleExponentLimit_, settings.floatExponentLimit_) {
  smallReal_ = settings.smallReal_;
}

void utl_Stream::AppendLines(std::string_view lines) {
  if (lines.empty()) return;
  if (LineLength() != 0 || candidate_ != nullptr || lines.back() != '\n') {
    WriteText(lines.data(), lines.size());
    return;
  }
  Flush();
  ios_.write(lines.data(), lines.size());
}

utl_Stream::~utl_Stream() {
  try {
    Flush();
  } catch (...) {
    // See the declaration: Flush() before destruction reports the error.
  }
}

bool utl_Stream::TextAfterCandidate() const noexcept {
  return std::find_if(candidate_, cur_, [](char c) { return c != ' '; }) != cur_;
}

void utl_Stream::BreakAtCandidate() {
  char* candidate = candidate_;
  candidate_ = nullptr;
  char* start;
  if (candidate[-1] == ' ') {
    candidate[-1] = '\n';
    start = candidate;
  } else {  // a bare ",": the kSlack bytes leave room for the line end
    std::memmove(candidate + 1, candidate, std::size_t(cur_ - candidate));
    *candidate = '\n';
    ++cur_;
    start = candidate + 1;
  }
  char* text = std::find_if(start, cur_, [](char c) { return c != ' '; });
  if (text != start) {
    std::memmove(start, text, std::size_t(cur_ - text));
    cur_ -= text - start;
  }
  lineStart_ = start - buf_;
}

void utl_Stream::OptionalLineBreak() {
  if (lineLimit_ <= 0 || cur_ == candidate_) return;
  const std::ptrdiff_t available = std::min(LineLength(), cur_ - buf_);
  int blank;
  if (available >= 2 && cur_[-1] == ' ' && cur_[-2] == ',') {
    blank = 1;
  } else if (available >= 1 && cur_[-1] == ',') {
    blank = 0;
  } else {
    return;
  }
  // A line ending here would end in "," without the blank.
  if (candidate_ != nullptr && LineLength() - blank > lineLimit_) BreakAtCandidate();
  candidate_ = cur_;
}

void utl_Stream::EndLineWithCandidate() {
  if (LineLength() > lineLimit_) {
    if (TextAfterCandidate()) {
      BreakAtCandidate();
    } else {
      // Nothing but blanks after the last ", ": end the line at its ",".
      cur_ = candidate_;
      if (cur_[-1] == ' ') --cur_;
    }
  }
  candidate_ = nullptr;
  Room(1);
  *cur_++ = '\n';
  lineStart_ = cur_ - buf_;
}

void utl_Stream::MakeRoom(std::size_t size) {
  NEX_ASSERT(size <= kMaxRoom);
  // A line that has grown past the limit is broken at its candidate now: the
  // next check would break it there anyway, and afterwards nothing of it has
  // to stay in the buffer.
  if (candidate_ != nullptr && LineLength() > lineLimit_ && TextAfterCandidate())
    BreakAtCandidate();
  char* keep;
  if (candidate_ != nullptr && cur_ - (candidate_ - 1) <= std::ptrdiff_t(kBlockSize / 2)) {
    keep = candidate_ - 1;  // the blank (or ",") the break replaces stays too
  } else {
    // Only a line limit beyond half a block gets here with a candidate; that
    // line stays as it is.
    candidate_ = nullptr;
    // The last two bytes of the line stay, so that OptionalLineBreak still
    // sees a ", " written in two pieces.
    keep = cur_ - std::min<std::ptrdiff_t>(2, std::min(LineLength(), cur_ - buf_));
  }
  const std::size_t handed = std::size_t(keep - buf_);
  ios_.write(buf_, handed);
  const std::size_t rest = std::size_t(cur_ - keep);
  std::memmove(buf_, keep, rest);
  cur_ = buf_ + rest;
  lineStart_ -= std::ptrdiff_t(handed);
  if (candidate_ != nullptr) candidate_ -= handed;
}

void utl_Stream::Flush() {
  if (candidate_ != nullptr && LineLength() > lineLimit_ && TextAfterCandidate())
    BreakAtCandidate();
  candidate_ = nullptr;
  const std::size_t size = std::size_t(cur_ - buf_);
  ios_.write(buf_, size);
  cur_ = buf_;
  lineStart_ -= std::ptrdiff_t(size);
}

void utl_Stream::WriteBytes(const char* data, std::size_t size) {
  while (size > 0) {
    if (end_ - cur_ < std::ptrdiff_t(kMaxRoom)) MakeRoom(kMaxRoom);
    const std::size_t piece = std::min(size, std::size_t(end_ - cur_));
    std::memcpy(cur_, data, piece);
    cur_ += piece;
    data += piece;
    size -= piece;
  }
}

void utl_Stream::WriteBlanks(std::size_t count) {
  while (count > 0) {
    if (end_ - cur_ < std::ptrdiff_t(kMaxRoom)) MakeRoom(kMaxRoom);
    const std::size_t piece = std::min(count, std::size_t(end_ - cur_));
    std::memset(cur_, ' ', piece);
    cur_ += piece;
    count -= piece;
  }
}

void utl_Stream::WriteTextSlow(const char* text, std::size_t size) {
  while (size > 0) {
    const char* lineEnd = static_cast<const char*>(std::memchr(text, '\n', size));
    const std::size_t piece = lineEnd != nullptr ? std::size_t(lineEnd - text) : size;
    WriteBytes(text, piece);
    if (lineEnd == nullptr) return;
    EndLine();
    text += piece + 1;
    size -= piece + 1;
  }
}

void utl_Stream::PrintWide(int value, int width) {
  char text[16];
  const auto result = std::to_chars(text, text + sizeof text, value);
  const std::size_t size = std::size_t(result.ptr - text);
  if (std::size_t(width) > size) WriteBlanks(std::size_t(width) - size);
  WriteBytes(text, size);
}

void utl_Stream::PrintRealSlow(double value, int width, int precision) {
  precision = std::max(precision, 1);  // as %g: a precision of 0 means 1
  const std::size_t room = std::size_t(precision) + 24;
  char local[96];
  std::unique_ptr<char[]> large;
  char* text = local;
  if (room > sizeof local) {
    large.reset(new char[room]);
    text = large.get();
  }
  const char* end = FormatGeneral(text, value, precision, smallReal_);
  const std::size_t size = std::size_t(end - text);
  if (width > 0 && std::size_t(width) > size) WriteBlanks(std::size_t(width) - size);
  WriteBytes(text, size);
}

utl_Stream& utl_Stream::operator<<(double value) {
  char text[kRealText];
  const char* end = FormatShortest(text, value, doubleExponentLimit_, smallReal_);
  WriteBytes(text, std::size_t(end - text));
  return *this;
}

utl_Stream& utl_Stream::operator<<(float value) {
  char text[kRealText];
  const char* end = FormatShortest(text, value, floatExponentLimit_, smallReal_);
  WriteBytes(text, std::size_t(end - text));
  return *this;
}

void utl_Stream::FixNumericString(std::string& text, int width) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return;
  const std::size_t last = text.find_last_not_of(' ') + 1;
  // [+-] digits [. digits] [(e|E) [+-] digits], at least one mantissa digit
  std::size_t i = first;
  if (text[i] == '+' || text[i] == '-') ++i;
  std::size_t mantissaDigits = 0;
  while (i < last && IsDigit(text[i])) ++i, ++mantissaDigits;
  bool point = false;
  if (i < last && text[i] == '.') {
    point = true;
    ++i;
    while (i < last && IsDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return;
  bool exponent = false;
  if (i < last && (text[i] == 'e' || text[i] == 'E')) {
    exponent = true;
    ++i;
    if (i < last && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < last && IsDigit(text[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return;
  }
  if (i != last || point || exponent) return;
  // Padding is given up only as far as the field stays `width` wide.
  const bool keepLength = width >= 0 && text.size() >= std::size_t(width);
  if (keepLength && first > 0) {
    text.erase(0, 1);
    text.insert(last - 1, 1, '.');
  } else if (keepLength && last < text.size()) {
    text[last] = '.';
  } else {
    text.insert(last, 1, '.');
  }
}

utl_StreamSmallReal::utl_StreamSmallReal(utl_Stream& stream, double threshold)
    : stream_(stream), previous_(stream.SmallReal()) {
  stream_.SetSmallReal(threshold);
}

utl_StreamSmallReal::~utl_StreamSmallReal() { stream_.SetSmallReal(previous_); }
