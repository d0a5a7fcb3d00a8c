#pragma once
// Text stream of the keyword deck writer.
//
// Every character of a deck passes through utl_Stream, ten million calls and
// more for a large mesh, most of them from another shared library. The calls
// that data lines make (integers, characters, short texts, Print of an int in
// a field, Print of a real with a few significant digits) are therefore
// inline here and touch only the buffer; everything rare (flushing, line
// continuation, the exact fallback of real formatting) is out of line.
//
// The stream never uses iostreams, printf or the locale: the output is the
// same byte for byte under any global locale.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "containers/cow.h"
#include "modeldb/mdb_Export.h"
#include "textstream/aio_ios.h"

namespace utl_StreamDetail {

inline constexpr char kDigitPairs[] =
    "0001020304050607080910111213141516171819"
    "2021222324252627282930313233343536373839"
    "4041424344454647484950515253545556575859"
    "6061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

/// kPowers[i] = 10^i for i >= 1; kPowers[0] = 0 so that DigitCount(0) is 1.
inline constexpr std::uint64_t kPowers[20] = {
    0ULL,
    10ULL,
    100ULL,
    1000ULL,
    10000ULL,
    100000ULL,
    1000000ULL,
    10000000ULL,
    100000000ULL,
    1000000000ULL,
    10000000000ULL,
    100000000000ULL,
    1000000000000ULL,
    10000000000000ULL,
    100000000000000ULL,
    1000000000000000ULL,
    10000000000000000ULL,
    100000000000000000ULL,
    1000000000000000000ULL,
    10000000000000000000ULL,
};

/// Number of decimal digits of `value` (1 for 0).
inline int DigitCount(std::uint64_t value) noexcept {
  const int guess = ((64 - std::countl_zero(value | 1)) * 1233) >> 12;
  return guess - (value < kPowers[guess]) + 1;
}

/// Writes exactly `count` = DigitCount(value) digits to out[0..count).
template <class U>
inline void WriteDigits(char* out, U value, int count) noexcept {
  char* p = out + count;
  while (value >= 100) {
    const unsigned pair = unsigned(value % 100);
    value /= 100;
    p -= 2;
    std::memcpy(p, kDigitPairs + 2 * pair, 2);
  }
  if (value >= 10) {
    std::memcpy(p - 2, kDigitPairs + 2 * unsigned(value), 2);
  } else {
    p[-1] = char('0' + unsigned(value));
  }
}

/// 10^k as the nearest double, for k in [kPowerMin, kPowerMax].
inline constexpr int kPowerMin = -300;
inline constexpr int kPowerMax = 308;
MDB_API extern const double kPowersOf10[kPowerMax - kPowerMin + 1];
inline double PowerOf10(int k) noexcept { return kPowersOf10[k - kPowerMin]; }

/// Decimal exponents the fast rounding handles (larger ones take the exact
/// path, and so do subnormal doubles).
inline constexpr int kFastExponentLimit = 290;

/// Writes a real laid out in the solver's form from its significant digits
/// `digits[0..count)` (no trailing zeros, first digit non-zero) and decimal
/// exponent (value = d.ddd * 10^exponent): fixed notation when
/// -5 < exponent < fixedLimit, exponent notation otherwise. The fixed form
/// always shows a decimal point ("10.", "0.5"); the exponent form has a point
/// only when there is more than one digit ("1e-05", "1.5e+10"). The exponent
/// has a sign and at least two digits. Returns the end of the text. `out`
/// needs room for count + 8 characters in exponent form and for
/// max(exponent + 1, count) + 7 in fixed form.
inline char* LayoutReal(char* out, bool negative, const char* digits, int count, int exponent,
                        int fixedLimit) noexcept {
  char* p = out;
  if (negative) *p++ = '-';
  if (exponent < -4 || exponent >= fixedLimit) {
    *p++ = digits[0];
    if (count > 1) {
      *p++ = '.';
      std::memcpy(p, digits + 1, std::size_t(count - 1));
      p += count - 1;
    }
    *p++ = 'e';
    unsigned magnitude;
    if (exponent < 0) {
      *p++ = '-';
      magnitude = unsigned(-exponent);
    } else {
      *p++ = '+';
      magnitude = unsigned(exponent);
    }
    if (magnitude >= 100) {
      *p++ = char('0' + magnitude / 100);
      magnitude %= 100;
    }
    std::memcpy(p, kDigitPairs + 2 * magnitude, 2);
    return p + 2;
  }
  if (exponent >= 0) {
    const int whole = exponent + 1;
    if (count <= whole) {
      std::memcpy(p, digits, std::size_t(count));
      p += count;
      std::memset(p, '0', std::size_t(whole - count));
      p += whole - count;
      *p++ = '.';
    } else {
      std::memcpy(p, digits, std::size_t(whole));
      p += whole;
      *p++ = '.';
      std::memcpy(p, digits + whole, std::size_t(count - whole));
      p += count - whole;
    }
    return p;
  }
  *p++ = '0';
  *p++ = '.';
  std::memset(p, '0', std::size_t(-exponent - 1));
  p += -exponent - 1;
  std::memcpy(p, digits, std::size_t(count));
  return p + count;
}

/// A real rounded to `precision` significant digits: the value is
/// digits * 10^(exponent - precision + 1), where `digits` has exactly
/// `precision` decimal digits (trailing zeros included).
struct RoundedDigits {
  std::uint32_t digits;
  int exponent;
};

/// Rounds a finite, non-zero, normal `magnitude` to `precision` (1..9)
/// significant digits. Returns false when the value lies so close to a
/// rounding tie (or so far out) that the quick rounding could be wrong; the
/// caller then takes the exact path.
///
/// The quick rounding scales the value by a power of ten in double
/// arithmetic: two roundings of at most 2^-53 each, so the scaled value is off
/// by less than 10^9 * 2.3e-16 < 2.3e-7. When its fraction is further than
/// 1e-6 from one half, rounding it to the nearest integer gives the same
/// digits as rounding the exact binary value. A scaled value that lands just
/// below 10^(precision-1) because the decimal exponent was taken one too high
/// rounds up to exactly that power, which is the right result for either
/// exponent.
inline bool RoundPrecise(double magnitude, int precision, RoundedDigits& rounded) noexcept {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
  const int binaryExponent = int(bits >> 52) - 1023;
  int exponent = (binaryExponent * 78913) >> 18;  // floor(binaryExponent * log10(2))
  if (exponent < -kFastExponentLimit || exponent > kFastExponentLimit) return false;
  if (magnitude >= PowerOf10(exponent + 1)) ++exponent;
  const double scaled = magnitude * PowerOf10(precision - 1 - exponent);
  std::int64_t n = std::int64_t(scaled);
  const double fraction = scaled - double(n);
  if (fraction > 0.5 - 1e-6 && fraction < 0.5 + 1e-6) return false;
  n += fraction > 0.5;
  if (std::uint64_t(n) >= kPowers[precision]) {  // rounded up to the next power of ten
    n /= 10;
    ++exponent;
  }
  rounded = {std::uint32_t(n), exponent};
  return true;
}

/// The eight decimal digits of n < 10^8 (leading zeros included) as ASCII in
/// the bytes of a word, the first digit in the lowest byte: both halves of
/// four digits are split into pairs and the pairs into digits in parallel,
/// with multiplications by reciprocals that are exact in these ranges.
inline std::uint64_t EightDigits(std::uint32_t n) noexcept {
  const std::uint64_t merged = std::uint64_t(n / 10000) | (std::uint64_t(n % 10000) << 32);
  const std::uint64_t hundreds = ((merged * 10486) >> 20) & 0x0000007F0000007FULL;  // v / 100
  const std::uint64_t pairs = hundreds | ((merged - 100 * hundreds) << 16);
  const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000FULL;  // w / 10
  const std::uint64_t digits = tens | ((pairs - 10 * tens) << 8);
  return digits + 0x3030303030303030ULL;
}

/// Stores the eight bytes of a word, lowest byte first.
inline void StoreBytes(char* out, std::uint64_t word) noexcept {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, &word, 8);
  } else {
    for (int i = 0; i < 8; ++i) out[i] = char(word >> (8 * i));
  }
}

/// Writes a finite, non-zero, normal |value| (sign given apart) rounded to
/// `precision` (1..9) significant digits in the %g layout of the solver's
/// form; nullptr when RoundPrecise cannot decide.
inline char* FormatPrecise(char* out, bool negative, double magnitude, int precision) noexcept {
  RoundedDigits rounded;
  if (!RoundPrecise(magnitude, precision, rounded)) return nullptr;
  std::uint32_t n = rounded.digits;
  int count = precision;
  while (n % 10 == 0) {
    n /= 10;
    --count;
  }
  char digits[12];
  WriteDigits(digits, n, count);
  return LayoutReal(out, negative, digits, count, rounded.exponent, precision);
}

}  // namespace utl_StreamDetail

/// Buffered text stream that writes the solver's keyword deck to an aio_ios.
///
/// Settings (the job uses utl_Stream(ios, 131, 6, 6)):
///
/// - lineLimit: longest keyword line. Keyword classes call OptionalLineBreak()
///   right after the ", " between two parameters; that records a break
///   candidate. When a line grows past lineLimit characters and has a
///   candidate, it is broken at the last candidate: the blank of ", " becomes
///   the line end, so the line ends in "," and the rest continues on the next
///   line (leading blanks of the continuation are dropped). The check runs at
///   each OptionalLineBreak (counting the line as ending in "," there) and at
///   each line end. Text without candidates is never broken. lineLimit <= 0
///   turns continuation off.
/// - doubleExponentLimit / floatExponentLimit: operator<< writes a double /
///   float with the shortest digits that read back to the same value, in
///   fixed notation when the decimal exponent e of the first digit satisfies
///   -5 < e < limit, in exponent notation otherwise: 10.0 -> "10.",
///   1234567.0 -> "1.234567e+06" (limit 6), 1e-05 -> "1e-05". The limits
///   are taken within [-5, 330]; from 309 on every double of at least 1e-4
///   is written in fixed notation.
///
/// Reals always show a decimal point or an exponent. Negative zero keeps its
/// sign ("-0."). Infinities and NaN are written "inf", "-inf" and "nan" (the
/// model loader refuses them, so they only show up from a defect).
class MDB_API utl_Stream {
 public:
  /// Size of the blocks handed to the aio_ios.
  static constexpr std::size_t kBlockSize = std::size_t(1) << 20;

  utl_Stream(aio_ios& ios, int lineLimit = 131, int doubleExponentLimit = 6,
             int floatExponentLimit = 6);
  /// A stream on `ios` that formats as `settings` does: the same line limit,
  /// exponent limits and small-value threshold. `settings` is only read, so
  /// text can be formatted apart on another thread and handed back to it
  /// with AppendLines().
  utl_Stream(aio_ios& ios, const utl_Stream& settings);
  /// Flushes. A write error at this point is lost (a destructor cannot
  /// throw): call Flush() first to see it.
  ~utl_Stream();
  utl_Stream(const utl_Stream&) = delete;
  utl_Stream& operator=(const utl_Stream&) = delete;

  /// Text as is; it may contain line ends.
  utl_Stream& operator<<(const char* text) {
    WriteText(text, std::strlen(text));
    return *this;
  }
  utl_Stream& operator<<(const cow_String& text) {
    WriteText(text.data(), text.size());
    return *this;
  }
  utl_Stream& operator<<(char c) {
    if (c == '\n') {
      EndLine();
    } else {
      Room(1);
      *cur_++ = c;
    }
    return *this;
  }
  /// Integers in plain decimal.
  utl_Stream& operator<<(int value) { return WriteInteger(value); }
  utl_Stream& operator<<(long value) { return WriteInteger(value); }
  utl_Stream& operator<<(long long value) { return WriteInteger(value); }
  utl_Stream& operator<<(unsigned value) { return WriteInteger(value); }
  utl_Stream& operator<<(unsigned long value) { return WriteInteger(value); }
  /// Shortest round-trip text, laid out by doubleExponentLimit.
  utl_Stream& operator<<(double value);
  /// Shortest round-trip text of the float, laid out by floatExponentLimit.
  utl_Stream& operator<<(float value);
  utl_Stream& operator<<(utl_Stream& (*manipulator)(utl_Stream&)) { return manipulator(*this); }

  /// Ends a keyword line before its data lines: writes "\n".
  void LineBreak() { EndLine(); }
  /// Marks the position just after the ", " (or ",") written last as a
  /// place where the keyword line may continue on a new line. Ignored when
  /// the text written last does not end in "," or ", ".
  void OptionalLineBreak();
  /// `value` right-aligned in a field of `width`; longer values are not cut.
  void Print(int value, int width) {
    if (width > kInlineWidth) return PrintWide(value, width);
    Room(kInlineWidth + 16);
    const bool negative = value < 0;
    const unsigned magnitude = negative ? 0u - unsigned(value) : unsigned(value);
    const int count = utl_StreamDetail::DigitCount(magnitude);
    const int pad = width - count - int(negative);
    if (pad > 0) {
      // Fixed-size fills compile to a few stores; digits overwrite the rest.
      if (width <= 16) {
        std::memset(cur_, ' ', 16);
      } else {
        std::memset(cur_, ' ', kInlineWidth);
      }
      cur_ += pad;
    }
    if (negative) *cur_++ = '-';
    utl_StreamDetail::WriteDigits(cur_, magnitude, count);
    cur_ += count;
  }
  /// `value` with `precision` significant digits, right-aligned in `width`:
  /// like %{width}.{precision}g (trailing zeros removed, exponent notation
  /// when the exponent is below -4 or at least `precision`), with a decimal
  /// point added when there is neither a point nor an exponent:
  /// Print(1.0, 12, 15) gives "          1.", Print(1e-20, 12, 15) gives
  /// "       1e-20". Longer values are not cut.
  void Print(double value, int width, int precision) { PrintReal(value, width, precision); }
  /// The float's value, formatted as Print(double, width, precision).
  void Print(float value, int width, int precision) { PrintReal(double(value), width, precision); }
  void Print(const char* text) { *this << text; }
  void Print(const cow_String& text) { *this << text; }
  /// Whole lines formatted apart (each ends in "\n"), written after what
  /// is buffered. At the start of a line they go straight to the aio_ios;
  /// elsewhere they are written as text.
  void AppendLines(std::string_view lines);
  /// Hands everything buffered to the aio_ios. A line that is already too
  /// long is broken first; after Flush() the line written so far is final
  /// (its break candidates are dropped).
  void Flush();

  /// Puts a number printed by a %*.*g-style formatter into the solver's
  /// numeric form, keeping the value and the field width: when the text has
  /// neither a decimal point nor an exponent, a point is added after the
  /// digits; when the text was padded to `width` (leading blanks, or trailing
  /// blanks of left-aligned text) one blank of padding is dropped so the
  /// length stays the same: "  1" -> " 1.", "-0" -> "-0.". Text that is not
  /// a number is left alone.
  static void FixNumericString(std::string& text, int width);

  /// Reals whose magnitude is below the threshold are written as zero ("0.")
  /// while the threshold is above 0. Default 0: off.
  double SmallReal() const noexcept { return smallReal_; }
  void SetSmallReal(double threshold) noexcept { smallReal_ = threshold; }

 private:
  static constexpr int kInlineWidth = 64;
  /// Bytes at the end of the block kept free for the line break inserted
  /// after a bare ",".
  static constexpr std::size_t kSlack = 64;
  /// Largest request Room() takes.
  static constexpr std::size_t kMaxRoom = 512;

  void Room(std::size_t size) {
    if (end_ - cur_ < std::ptrdiff_t(size)) MakeRoom(size);
  }
  void MakeRoom(std::size_t size);
  std::ptrdiff_t LineLength() const noexcept { return (cur_ - buf_) - lineStart_; }
  bool TextAfterCandidate() const noexcept;
  void BreakAtCandidate();

  void EndLine() {
    if (candidate_ != nullptr) return EndLineWithCandidate();
    Room(1);
    *cur_++ = '\n';
    lineStart_ = cur_ - buf_;
  }
  void EndLineWithCandidate();

  void WriteText(const char* text, std::size_t size) {
    if (end_ - cur_ >= std::ptrdiff_t(size) && std::memchr(text, '\n', size) == nullptr) {
      std::memcpy(cur_, text, size);
      cur_ += size;
    } else {
      WriteTextSlow(text, size);
    }
  }
  void WriteTextSlow(const char* text, std::size_t size);
  /// Copies bytes without line ends, in pieces when needed.
  void WriteBytes(const char* data, std::size_t size);
  void WriteBlanks(std::size_t count);

  template <class T>
  utl_Stream& WriteInteger(T value) {
    using U = std::make_unsigned_t<T>;
    Room(24);
    U magnitude = U(value);
    if constexpr (std::is_signed_v<T>) {
      if (value < 0) {
        *cur_++ = '-';
        magnitude = U(0) - magnitude;
      }
    }
    const int count = utl_StreamDetail::DigitCount(magnitude);
    utl_StreamDetail::WriteDigits(cur_, magnitude, count);
    cur_ += count;
    return *this;
  }
  void PrintWide(int value, int width);

  void PrintReal(double value, int width, int precision) {
    if (width <= kInlineWidth && precision >= 1 && precision <= 8) {
      std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
      const bool negative = (bits >> 63) != 0;
      bits &= ~(std::uint64_t(1) << 63);
      const int biased = int(bits >> 52);
      const double magnitude = std::bit_cast<double>(bits);
      utl_StreamDetail::RoundedDigits rounded;
      if (biased != 0 && biased != 0x7ff && !(smallReal_ > 0 && magnitude < smallReal_) &&
          utl_StreamDetail::RoundPrecise(magnitude, precision, rounded)) {
        return PutRounded(rounded, negative, width, precision);
      }
    }
    PrintRealSlow(value, width, precision);
  }
  /// Writes rounded digits (precision <= 8) in the %g layout, the same text
  /// as utl_StreamDetail::LayoutReal with the precision as limit,
  /// right-aligned in `width` <= kInlineWidth. The digits stay in a register
  /// and every store has a fixed size, so this compiles to a few stores and
  /// no loads of freshly stored bytes; bytes stored past the text are
  /// overwritten later.
  void PutRounded(const utl_StreamDetail::RoundedDigits& rounded, bool negative, int width,
                  int precision) {
    using utl_StreamDetail::StoreBytes;
    Room(kInlineWidth + 64);
    const std::uint64_t raw =
        utl_StreamDetail::EightDigits(rounded.digits);  // 8 - precision leading '0's
    // Digit values; the zero bytes at the top are the trailing zeros.
    const std::uint64_t values = raw - 0x3030303030303030ULL;
    const int count = precision - (std::countl_zero(values) >> 3);
    const std::uint64_t digits = raw >> (8 * (8 - precision));  // first digit in the lowest byte
    const int exponent = rounded.exponent;
    const bool exponentForm = exponent < -4 || exponent >= precision;
    int size;
    if (exponentForm) {
      size = (count > 1 ? count + 1 : 1) + 4 + (exponent <= -100 || exponent >= 100);
    } else if (exponent >= 0) {
      size = (count > exponent + 1 ? count : exponent + 1) + 1;
    } else {
      size = 1 - exponent + count;  // "0." and -exponent-1 zeros before the digits
    }
    size += int(negative);
    char* p = cur_;
    if (width > size) {
      if (width <= 16) {
        std::memset(p, ' ', 16);
      } else {
        std::memset(p, ' ', kInlineWidth);
      }
      p += width - size;
    }
    *p = '-';
    p += int(negative);
    if (exponentForm) {
      p[0] = char(digits);
      StoreBytes(p + 2, digits >> 8);
      p[1] = '.';
      p += count > 1 ? count + 1 : 1;
      p[0] = 'e';
      unsigned magnitude;
      if (exponent < 0) {
        p[1] = '-';
        magnitude = unsigned(-exponent);
      } else {
        p[1] = '+';
        magnitude = unsigned(exponent);
      }
      p += 2;
      if (magnitude >= 100) {
        *p++ = char('0' + magnitude / 100);
        magnitude %= 100;
      }
      std::memcpy(p, utl_StreamDetail::kDigitPairs + 2 * magnitude, 2);
      p += 2;
    } else if (exponent >= 0) {
      // All `precision` digits (trailing '0's included) fill the whole part.
      const int whole = exponent + 1;  // <= precision
      StoreBytes(p, digits);
      p[whole] = '.';
      if (count > whole) {
        StoreBytes(p + whole + 1, digits >> (8 * whole));
        p += count + 1;
      } else {
        p += whole + 1;
      }
    } else {
      std::memcpy(p, "0.000000", 8);
      StoreBytes(p + 1 - exponent, digits);
      p += 1 - exponent + count;
    }
    cur_ = p;
  }
  void PrintRealSlow(double value, int width, int precision);

  aio_ios& ios_;
  std::unique_ptr<char[]> storage_;
  char* buf_ = nullptr;
  char* cur_ = nullptr;
  char* end_ = nullptr;
  /// Start of the current line as an offset from buf_; negative once the
  /// beginning of the line has been handed out.
  std::ptrdiff_t lineStart_ = 0;
  /// Last break candidate of the current line (just after its ", "), or
  /// nullptr. While set, the bytes from candidate_ - 1 on stay in the buffer.
  char* candidate_ = nullptr;
  int lineLimit_;
  int doubleExponentLimit_;
  int floatExponentLimit_;
  double smallReal_ = 0;
};

/// Writes "\n".
inline utl_Stream& endl(utl_Stream& stream) {
  stream.LineBreak();
  return stream;
}

/// Sets the small-value threshold of a stream for a scope and restores the
/// previous threshold when the scope ends.
class MDB_API utl_StreamSmallReal {
 public:
  utl_StreamSmallReal(utl_Stream& stream, double threshold);
  ~utl_StreamSmallReal();
  utl_StreamSmallReal(const utl_StreamSmallReal&) = delete;
  utl_StreamSmallReal& operator=(const utl_StreamSmallReal&) = delete;

 private:
  utl_Stream& stream_;
  double previous_;
};
