// The scanner of long flat number arrays (coordinates, connectivity, labels)
// of the JSON reader.
#include <condition_variable>
#include <deque>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <mutex>
#include <string>
#include <thread>

#include <fast_float/fast_float.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#define OIF_BLOCK_SCAN 1
#else
#define OIF_BLOCK_SCAN 0
#endif

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

// Eight ASCII digits at p, read as one word (the text is padded, so eight
// bytes can be read anywhere before its end).
inline std::uint64_t EightBytes(const char* p) noexcept {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}
inline bool EightDigits(std::uint64_t word) noexcept {
  return ((word & 0xF0F0F0F0F0F0F0F0u) | (((word + 0x0606060606060606u) & 0xF0F0F0F0F0F0F0F0u) >> 4)) ==
         0x3333333333333333u;
}
// The value of eight digits (first digit in the lowest byte).
inline std::uint32_t EightDigitValue(std::uint64_t word) noexcept {
  word -= 0x3030303030303030u;
  word = word * 10 + (word >> 8);
  word = (((word & 0x000000FF000000FFu) * 0x000F424000000064u) +
          (((word >> 16) & 0x000000FF000000FFu) * 0x0000271000000001u)) >> 32;
  return std::uint32_t(word);
}

// The number of digits at q when it is 1 to 7, else 0 (no digit, or eight
// or more: those take the general path).
inline int ShortDigitCount(const char* q) noexcept {
  if constexpr (std::endian::native != std::endian::little) {
    int count = 0;
    while (count < 8 && IsDigit(q[count])) ++count;
    return count < 8 ? count : 0;
  } else {
    // A byte is a digit when subtracting '0' leaves 0..9: neither a borrow
    // (top bit set) nor 10 or more (adding 0x76 sets the top bit). Borrows and
    // carries only run towards later bytes, past the first non-digit.
    const std::uint64_t t = EightBytes(q) - 0x3030303030303030u;
    const std::uint64_t nonDigit = (t | (t + 0x7676767676767676u)) & 0x8080808080808080u;
    const int count = std::countr_zero(nonDigit) >> 3;
    return count < 8 ? count : 0;
  }
}

// The value of the `count` (1 to 7) digits at q.
inline std::uint32_t ShortDigitValue(const char* q, int count) noexcept {
  if constexpr (std::endian::native != std::endian::little) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value * 10 + std::uint32_t(q[i] - '0');
    return value;
  } else {
    // Shifted so that the digits are the last `count` of eight and the bytes
    // before them (shifted in as zeros) read as leading zeros.
    return EightDigitValue((EightBytes(q) << (64 - 8 * count)) + (0x3030303030303030u >> (8 * count)));
  }
}

// Reads the digits at q into `mantissa` (wrapping past 19 digits; the caller
// counts them) and returns the end of the digits.
inline const char* ReadDigits(const char* q, std::uint64_t& mantissa) noexcept {
  if constexpr (std::endian::native == std::endian::little) {
    for (std::uint64_t word; EightDigits(word = EightBytes(q)); q += 8)
      mantissa = mantissa * 100000000u + EightDigitValue(word);
  }
  while (IsDigit(*q)) mantissa = mantissa * 10 + std::uint64_t(*q++ - '0');
  return q;
}

// Scans one JSON number at p. The array ends in a ']' beyond the number, which
// stops every digit loop. Returns the end of the number, or nullptr when the
// text there is not a valid number or overflows a double.
const char* ScanNumber(const char* p, ScannedNumber& out) {
  const char* q = p;
  out.negative = *q == '-';
  if (out.negative) ++q;
  if (!IsDigit(*q)) return nullptr;
  if (*q == '0' && IsDigit(q[1])) return nullptr;  // leading zero
  const char* first = q;
  std::uint64_t mantissa = 0;
  q = ReadDigits(q, mantissa);
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
    const char* const fractionStart = q;
    q = ReadDigits(q, mantissa);
    fraction = int(std::min<std::ptrdiff_t>(q - fractionStart, 100000));
    digits += std::size_t(q - fractionStart);
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
  const int power = exponent - fraction;
  if (digits <= 19) {
    // Exact when the digits fit a double's mantissa and the power of ten is
    // exact: one correctly rounded multiplication or division.
    if (mantissa <= (std::uint64_t(1) << 53) && power >= -22 && power <= 22) {
      const double m = double(mantissa);
      out.real = power >= 0 ? m * kExactPowers[power] : m / kExactPowers[-power];
      if (out.negative) out.real = -out.real;
      return q;
    }
    // Otherwise the 128-bit product of fast_float, which decides all but the
    // rare cases next to a tie; those go to its full conversion below.
    if (mantissa == 0) {
      out.real = out.negative ? -0.0 : 0.0;
      return q;
    }
    using Binary = fast_float::binary_format<double>;
    const fast_float::adjusted_mantissa am = fast_float::compute_float<Binary>(power, mantissa);
    if (am.power2 >= 0) {
      if (am.power2 == Binary::infinite_power()) return nullptr;  // beyond the largest double
      fast_float::to_float(out.negative, am, out.real);
      return q;
    }
  }
  // Any other literal: correctly rounded for every digit count. A value
  // beyond the largest double is left to simdjson, which refuses it.
  auto [end, ec] = fast_float::from_chars(p, q, out.real);
  if (ec != std::errc() || end != q || std::isinf(out.real)) return nullptr;
  return q;
}

// Where the reading of an array stands between two steps.
enum class At {
  Open,         // just after the '['
  Number,       // at the first character of a number, the separators before it checked
  AfterNumber,  // just after the last character of a number
};

// Text of an array read so far that is handed to `consumed` at a time.
constexpr std::size_t kConsumedStep = std::size_t(4) << 20;

// Appends a number that is not an int32 integer to an int32 array: the array
// becomes one of doubles (the integers read before keep their value; later
// ones are read as doubles, so "-0" there is -0.0).
[[gnu::noinline]] void SwitchToReals(const ScannedNumber& number, Node& out, std::size_t count) {
  out.kind_ = Node::Kind::RealArray;
  out.reals_.reserve(std::max(count, out.ints_.size() + 1));
  AdviseHugePages(out.reals_);
  out.reals_.assign(out.ints_.begin(), out.ints_.end());
  std::vector<std::int32_t>().swap(out.ints_);
  out.reals_.push_back(number.integer ? double(number.magnitude) * (number.negative ? -1.0 : 1.0) : number.real);
}

// The integer of one to seven digits at p (a '-' before them or not) that
// int32 arrays are mostly made of, read as one word: its end, which a
// separator follows, or nullptr when the number at p has another form.
inline const char* ReadShortInt(const char* p, const char* stop, std::int32_t& value) noexcept {
  const bool negative = *p == '-';
  const char* q = p + (negative ? 1 : 0);
  const int digits = ShortDigitCount(q);
  if (digits == 0 || (digits > 1 && *q == '0')) return nullptr;
  const std::int32_t magnitude = std::int32_t(ShortDigitValue(q, digits));
  q += digits;
  if (!(IsSpace(*q) || *q == ',' || q == stop)) return nullptr;
  value = negative ? -magnitude : magnitude;
  return q;
}

// Reads the number at p into `out`: the integer of up to seven digits that
// int32 arrays are mostly made of as one word, any other through ScanNumber.
// Returns its end, or nullptr when the text there is not a number followed by
// a separator.
inline const char* ReadOne(const char* p, const char* stop, Node& out, std::size_t count) {
  const bool ints = out.kind_ == Node::Kind::IntArray;
  if (ints) {
    std::int32_t value;
    if (const char* end = ReadShortInt(p, stop, value)) {
      out.ints_.push_back(value);
      return end;
    }
  }
  ScannedNumber number;
  const char* end = ScanNumber(p, number);
  if (end == nullptr || !(IsSpace(*end) || *end == ',' || end == stop)) return nullptr;
  if (ints) {
    const std::uint64_t limit = number.negative ? std::uint64_t(1) << 31 : (std::uint64_t(1) << 31) - 1;
    if (number.integer && number.magnitude <= limit)
      out.ints_.push_back(number.negative ? std::int32_t(-std::int64_t(number.magnitude))
                                          : std::int32_t(number.magnitude));
    else
      SwitchToReals(number, out, count);
  } else if (number.integer) {
    const double magnitude = double(number.magnitude);
    out.reals_.push_back(number.negative ? -magnitude : magnitude);
  } else {
    out.reals_.push_back(number.real);
  }
  return end;
}

enum class Outcome { More, Done, Invalid };

// Reads number after number from p, where the reading stands `at`, until the
// ']' or a number that starts at or past `until` (`at` is At::Number then).
Outcome ReadNumbers(const char*& p, At& at, const char* until, const char* stop, Node& out, std::size_t count) {
  if (at == At::Open) {
    while (IsSpace(*p)) ++p;
    if (p == stop) return Outcome::Invalid;  // empty: simdjson reads it
    at = At::Number;
  }
  for (bool atNumber = at == At::Number;; atNumber = true) {
    if (atNumber) {
      p = ReadOne(p, stop, out, count);
      if (p == nullptr) return Outcome::Invalid;
    }
    while (IsSpace(*p)) ++p;
    if (p == stop) return Outcome::Done;
    if (*p != ',') return Outcome::Invalid;
    ++p;
    while (IsSpace(*p)) ++p;
    if (p >= until) {
      at = At::Number;
      return Outcome::More;
    }
  }
}

#if OIF_BLOCK_SCAN
// ---------------------------------------------------------------------------
// 64 bytes at a time. Read number after number, where the next number starts
// is known only once the last one is read, so the work of consecutive numbers
// cannot overlap. Here the characters of 64 bytes are classed at once, the
// separators between the numbers checked with a few operations on bit masks,
// and the numbers of the block, whose starts are then known, read
// independently of each other.

// A bit for each of 64 bytes of text (bit i: byte i).
struct BlockClasses {
  std::uint64_t number;  // digits and '-'
  std::uint64_t comma;
  std::uint64_t space;
};

inline std::uint64_t ByteMask(__m128i bytes, int part) noexcept {
  return std::uint64_t(std::uint16_t(_mm_movemask_epi8(bytes))) << (16 * part);
}

// Classes the 64 bytes at p; false when one of them is none of digits, '-',
// commas and white space.
inline bool ClassifyBlock(const char* p, BlockClasses& out) noexcept {
  std::uint64_t number = 0, comma = 0, space = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
    const __m128i digit =
        _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(v, _mm_set1_epi8('9' + 1)));
    const __m128i white =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))),
                     _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'))));
    number |= ByteMask(_mm_or_si128(digit, _mm_cmpeq_epi8(v, _mm_set1_epi8('-'))), part);
    comma |= ByteMask(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')), part);
    space |= ByteMask(white, part);
  }
  out = {number, comma, space};
  return (number | comma | space) == ~std::uint64_t(0);
}

// The first byte that is not white space at or after each bit of `from`, with
// the carry of a run of white space from the block before (`carry`, 0 or 1,
// in and out): adding a bit at the start of a run of set bits of `space`
// carries it to the run's end.
inline std::uint64_t FirstAfterSpace(std::uint64_t space, std::uint64_t from, std::uint64_t& carry) noexcept {
  std::uint64_t sum;
  const bool out = __builtin_add_overflow(space, from | carry, &sum);
  carry = out ? 1 : 0;
  return sum & ~space;
}

struct Resume {
  const char* p;
  At at;
};

// Reads the numbers of whole blocks of 64 bytes from p, where the reading
// stands `at`, while they end before `limit`, into the int32 array `out`.
// Stops at the first block that holds anything but numbers, commas and white
// space or a separator out of place, and at the first number that is not an
// integer of at most seven digits; the number-by-number reading goes on from
// the place returned.
Resume ScanBlocks(const char* p, At at, const char* limit, const char* stop, Node& out) {
  Resume resume{p, at};
  // Between two numbers: the first byte after a number that is not white
  // space must be a comma, and the first after a comma (or after the '[')
  // must start a number. A bit of `*Pending` stands for a number's end or a
  // comma in the block before, its white space not yet crossed.
  std::uint64_t afterCommaPending = at == At::AfterNumber ? 0 : 1;
  std::uint64_t afterNumberPending = 0;
  std::uint64_t numberBefore = at == At::AfterNumber ? 1 : 0;  // the byte before the block is a number's last
  for (; limit - p >= 64; p += 64) {
    BlockClasses block;
    if (!ClassifyBlock(p, block)) break;
    const std::uint64_t previousIsNumber = (block.number << 1) | numberBefore;
    const std::uint64_t starts = block.number & ~previousIsNumber;
    const std::uint64_t numberEnds = ~block.number & previousIsNumber;
    std::uint64_t commaCarry = afterCommaPending, numberCarry = afterNumberPending;
    const std::uint64_t afterComma = FirstAfterSpace(block.space, block.comma << 1, commaCarry);
    const std::uint64_t afterNumber = FirstAfterSpace(block.space, numberEnds, numberCarry);
    if ((afterComma & block.comma) != 0 || (afterNumber & block.number) != 0) break;
    for (std::uint64_t rest = starts; rest != 0; rest &= rest - 1) {
      const char* const first = p + std::countr_zero(rest);
      std::int32_t value;
      const char* const end = ReadShortInt(first, stop, value);
      if (end == nullptr) return {first, At::Number};
      out.ints_.push_back(value);
      resume = {end, At::AfterNumber};
    }
    afterCommaPending = (block.comma >> 63) | commaCarry;
    afterNumberPending = numberCarry;
    numberBefore = block.number >> 63;
  }
  return resume;
}
#endif

// Reads the flat number array text[open] = '[' .. text[close] = ']' into
// `out` with the reader's rules: int32 while every number is an int32
// integer, else double. False when the array is empty or holds anything but
// valid numbers: simdjson reads it then.
using Consumed = std::function<void(std::size_t, std::size_t)>;

bool ScanPackedArray(std::string_view text, std::size_t open, std::size_t close, Node& out,
                     const Consumed& consumed) {
  const char* p = text.data() + open + 1;
  const char* const stop = text.data() + close;
  const char* given = p;  // the text before this was handed to `consumed`
  // The count, estimated from the first few kilobytes (a closer look at the
  // whole array would cost a pass over it); a low guess only costs a doubling.
  const std::size_t length = std::size_t(stop - p);
  const std::size_t sample = std::min<std::size_t>(length, 4096);
  const std::size_t commas = std::size_t(std::count(p, p + sample, ','));
  const std::size_t count = commas == 0 ? 1 : std::size_t(double(length) / double(sample) * double(commas) * 1.02) + 16;
  out.kind_ = Node::Kind::IntArray;
  out.offset_ = open;
  out.ints_.reserve(count);
  AdviseHugePages(out.ints_);
  At at = At::Open;
  for (;;) {
    if (consumed && std::size_t(p - given) >= kConsumedStep) [[unlikely]] {
      consumed(std::size_t(given - text.data()), std::size_t(p - text.data()));
      given = p;
    }
    const char* until = p + std::min<std::ptrdiff_t>(stop - p, std::ptrdiff_t(kConsumedStep));
#if OIF_BLOCK_SCAN
    if (out.kind_ == Node::Kind::IntArray && stop - p >= 256) {
      const Resume resume = ScanBlocks(p, at, until, stop, out);
      // After a block that the block scan could not read, the numbers of the
      // next 256 bytes are read one by one.
      until = std::min(until, resume.p + 256);
      p = resume.p;
      at = resume.at;
    }
#endif
    switch (ReadNumbers(p, at, until, stop, out, count)) {
      case Outcome::More:
        break;
      case Outcome::Done:
        return true;
      case Outcome::Invalid:
        return false;
    }
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

// A long array that starts with a number, found by the walk over the text.
struct Candidate {
  std::size_t open, close;
  Node node;
  bool packed = false;
};

// The start of a candidate at text[p] = '[': its closing ']' when the array
// starts with a number and is long enough, else npos.
std::size_t CandidateClose(std::string_view text, std::size_t p) {
  std::size_t q = p + 1;
  while (q < text.size() && IsSpace(text[q])) ++q;
  if (q == text.size() || !(text[q] == '-' || IsDigit(text[q]))) return std::string_view::npos;
  const void* found = std::memchr(text.data() + q, ']', text.size() - q);
  if (!found) return std::string_view::npos;
  const std::size_t close = std::size_t(static_cast<const char*>(found) - text.data());
  return close - p >= kPackedMinBytes ? close : std::string_view::npos;
}

// Text above which a second thread reads the candidates.
constexpr std::size_t kParallelMinBytes = std::size_t(16) << 20;

// Reads the candidates of the first walk while the walk goes on: for a large
// text a second thread starts on each candidate as soon as it is found, so
// that the walk (which touches every page of the file for the first time)
// and the reading overlap. Each thread takes the largest candidate found and
// not yet taken; once the walk is done, its thread reads too.
class CandidateReader {
 public:
  CandidateReader(std::string_view text, const Consumed& consumed) : text_(text), consumed_(consumed) {
    if (text.size() >= kParallelMinBytes && std::thread::hardware_concurrency() > 1)
      helper_ = std::thread([this] {
        try {
          ReadAll();
        } catch (...) {
          failure_ = std::current_exception();
        }
      });
  }
  CandidateReader(const CandidateReader&) = delete;
  CandidateReader& operator=(const CandidateReader&) = delete;
  ~CandidateReader() {
    EndWalk();
    if (helper_.joinable()) helper_.join();
  }

  void Found(std::size_t open, std::size_t close) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      found_.push_back({open, close, Node()});
      waiting_.push_back(found_.size() - 1);
    }
    ready_.notify_one();
  }

  // After the walk: reads what is left, joins the helper and returns the
  // candidates in the order of the text.
  std::vector<Candidate> Finish() {
    EndWalk();
    ReadAll();
    if (helper_.joinable()) helper_.join();
    if (failure_) std::rethrow_exception(failure_);
    return {std::make_move_iterator(found_.begin()), std::make_move_iterator(found_.end())};
  }

 private:
  void ReadAll() {
    while (Candidate* candidate = Take())
      candidate->packed = ScanPackedArray(text_, candidate->open, candidate->close, candidate->node, consumed_);
  }

  // The largest candidate waiting; null once the walk is done and none waits.
  Candidate* Take() {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [this] { return !waiting_.empty() || walked_; });
    if (waiting_.empty()) return nullptr;
    auto largest = std::max_element(waiting_.begin(), waiting_.end(), [this](std::size_t a, std::size_t b) {
      return found_[a].close - found_[a].open < found_[b].close - found_[b].open;
    });
    Candidate* candidate = &found_[*largest];
    waiting_.erase(largest);
    return candidate;
  }

  void EndWalk() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      walked_ = true;
    }
    ready_.notify_all();
  }

  std::string_view text_;
  const Consumed& consumed_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Candidate> found_;       // grows without moving the candidates being read
  std::vector<std::size_t> waiting_;  // found, not yet taken
  bool walked_ = false;
  std::exception_ptr failure_;
  std::thread helper_;
};

// Walks the text (strings skipped) for candidates. With `scanned` (the
// candidates of an earlier walk, read), an array that is not a flat number
// array is walked into, as any other text; with `reader`, the walk jumps over
// every candidate, taking it to be one, and hands it to the reader.
std::vector<Candidate> FindCandidates(std::string_view text, std::vector<Candidate>* scanned,
                                      CandidateReader* reader, const Consumed& consumed) {
  std::vector<Candidate> found;
  std::size_t next = 0;  // the next candidate of `scanned` that may match
  for (std::size_t p = 0; p < text.size();) {
    const char c = text[p];
    if (c == '"') {
      p = SkipString(text, p);
      if (p == std::string_view::npos) break;
      continue;
    }
    if (c == '[') {
      const std::size_t close = CandidateClose(text, p);
      if (close != std::string_view::npos) {
        Candidate candidate{p, close, Node()};
        if (scanned) {
          while (next < scanned->size() && (*scanned)[next].open < p) ++next;
          if (next < scanned->size() && (*scanned)[next].open == p)
            candidate = std::move((*scanned)[next]);
          else
            candidate.packed = ScanPackedArray(text, p, close, candidate.node, consumed);
        } else {
          reader->Found(p, close);
          p = close + 1;
          continue;
        }
        if (candidate.packed) {
          found.push_back(std::move(candidate));
          p = close + 1;
          continue;
        }
      }
    }
    ++p;
  }
  return found;
}

}  // namespace

// Cuts every long flat number array out of `text`. Empty when there is none.
std::unique_ptr<Skeleton> CutNumberArrays(std::string_view text, const Consumed& consumed) {
  // Long arrays in a model file are nearly always flat number arrays (nodes,
  // connectivity, labels): they are found first and read in parallel. Should
  // one of them be anything else, the walk is done again the careful way,
  // looking inside it and keeping what was read.
  std::vector<Candidate> candidates;
  {
    CandidateReader reader(text, consumed);
    FindCandidates(text, nullptr, &reader, consumed);
    candidates = reader.Finish();
  }
  if (!std::all_of(candidates.begin(), candidates.end(), [](const Candidate& c) { return c.packed; })) {
    std::erase_if(candidates, [](const Candidate& c) { return !c.packed; });
    candidates = FindCandidates(text, &candidates, nullptr, consumed);
  }
  if (candidates.empty()) return nullptr;
  auto skeleton = std::make_unique<Skeleton>();
  std::string cut;
  std::size_t copied = 0;
  for (Candidate& candidate : candidates) {
    cut.append(text.data() + copied, candidate.open - copied);
    skeleton->arrays.push_back({candidate.open, candidate.close, cut.size(), std::move(candidate.node)});
    cut += "[]";
    copied = candidate.close + 1;
    if (consumed) consumed(candidate.open + 1, candidate.close);
  }
  cut.append(text.data() + copied, text.size() - copied);
  skeleton->text = simdjson::padded_string(cut);
  return skeleton;
}

}  // namespace mfl::json
