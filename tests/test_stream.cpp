#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <csignal>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "exceptions/nex_Exception.h"
#include "textstream/aio_ios.h"
#include "textstream/utl_Stream.h"
#include "temp_folder.h"

namespace {

/// Everything the stream writes for `body`, with the given settings.
std::string Written(const std::function<void(utl_Stream&)>& body, int lineLimit = 131,
                    int doubleExponentLimit = 6, int floatExponentLimit = 6) {
  std::string sink;
  aio_ios ios;
  ios.attach(sink);
  {
    utl_Stream stream(ios, lineLimit, doubleExponentLimit, floatExponentLimit);
    body(stream);
  }
  return sink;
}

std::string Real(double value) {
  return Written([&](utl_Stream& s) { s << value; });
}
std::string Real(float value) {
  return Written([&](utl_Stream& s) { s << value; });
}
std::string Printed(double value, int width, int precision) {
  return Written([&](utl_Stream& s) { s.Print(value, width, precision); });
}
std::string Printed(float value, int width, int precision) {
  return Written([&](utl_Stream& s) { s.Print(value, width, precision); });
}
std::string Fixed(std::string text, int width) {
  utl_Stream::FixNumericString(text, width);
  return text;
}

/// One stream reused for many short texts (a stream owns a block of 1 MiB:
/// making one per value would dominate the run time).
class Capture {
 public:
  Capture() { ios_.attach(sink_); }
  std::string Printed(double value, int width, int precision) {
    stream_.Print(value, width, precision);
    return Take();
  }
  std::string Printed(float value, int width, int precision) {
    stream_.Print(value, width, precision);
    return Take();
  }
  std::string Real(double value) {
    stream_ << value;
    return Take();
  }

 private:
  std::string Take() {
    stream_.Flush();
    std::string text;
    text.swap(sink_);
    return text;
  }

  std::string sink_;
  aio_ios ios_;
  utl_Stream stream_{ios_};
};

/// %{precision}g of the value through the exact library conversion, put into
/// the solver's form: the reference the quick rounding must agree with.
std::string ReferenceGeneral(double value, int precision) {
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
  std::string out(text, result.ptr);
  if (out.find_first_of(".e") == std::string::npos) out += '.';
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    EXPECT_NE(end, std::string::npos) << "text does not end in a line end";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

/// A keyword line of `count` parameters, each followed by OptionalLineBreak.
void KeywordLine(utl_Stream& s, int count) {
  s << "*Elset, elset=BigSet";
  for (int i = 0; i < count; ++i) {
    s << ", ";
    s.OptionalLineBreak();
    s << "member" << i << "=" << i * 37;
  }
  s << endl;
}

}  // namespace

// ---------------------------------------------------------------------------
// Reals written with operator<<: shortest round-trip digits, solver layout.

TEST(TextStream, DoubleShortestForms) {
  EXPECT_EQ(Real(10.0), R"(10.)");
  EXPECT_EQ(Real(0.5), R"(0.5)");
  EXPECT_EQ(Real(1e-05), R"(1e-05)");
  EXPECT_EQ(Real(0.0001), R"(0.0001)");
  EXPECT_EQ(Real(0.00012345), R"(0.00012345)");
  EXPECT_EQ(Real(123456.0), R"(123456.)");
  EXPECT_EQ(Real(999999.0), R"(999999.)");
  EXPECT_EQ(Real(1000000.0), R"(1e+06)");
  EXPECT_EQ(Real(1234567.0), R"(1.234567e+06)");
  EXPECT_EQ(Real(1.5e10), R"(1.5e+10)");
  EXPECT_EQ(Real(123.456), R"(123.456)");
  EXPECT_EQ(Real(0.1), R"(0.1)");
  EXPECT_EQ(Real(1.0 / 3), R"(0.3333333333333333)");
  EXPECT_EQ(Real(1.0), R"(1.)");
  EXPECT_EQ(Real(1e100), R"(1e+100)");
  EXPECT_EQ(Real(1e-100), R"(1e-100)");
}

TEST(TextStream, DoubleNegativeZeroTinyHuge) {
  EXPECT_EQ(Real(-2.5), R"(-2.5)");
  EXPECT_EQ(Real(-1234567.0), R"(-1.234567e+06)");
  EXPECT_EQ(Real(-1e-05), R"(-1e-05)");
  EXPECT_EQ(Real(-0.0001), R"(-0.0001)");
  EXPECT_EQ(Real(-100.0), R"(-100.)");
  EXPECT_EQ(Real(0.0), R"(0.)");
  EXPECT_EQ(Real(-0.0), R"(-0.)");
  EXPECT_EQ(Real(1e300), R"(1e+300)");
  EXPECT_EQ(Real(5e-324), R"(5e-324)");
  EXPECT_EQ(Real(-5e-324), R"(-5e-324)");
  EXPECT_EQ(Real(DBL_MIN), R"(2.2250738585072014e-308)");
  EXPECT_EQ(Real(1.7976931348623157e308), R"(1.7976931348623157e+308)");
  EXPECT_EQ(Real(-1.7976931348623157e308), R"(-1.7976931348623157e+308)");
}

TEST(TextStream, NonFiniteReals) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Real(inf), R"(inf)");
  EXPECT_EQ(Real(-inf), R"(-inf)");
  EXPECT_EQ(Real(nan), R"(nan)");
  EXPECT_EQ(Real(-nan), R"(nan)");
  EXPECT_EQ(Real(std::numeric_limits<float>::infinity()), R"(inf)");
  EXPECT_EQ(Printed(-inf, 6, 7), R"(  -inf)");
  EXPECT_EQ(Printed(-nan, 6, 15), R"(   nan)");
}

TEST(TextStream, FloatShortestForms) {
  EXPECT_EQ(Real(0.1f), R"(0.1)");
  EXPECT_EQ(Real(0.3f), R"(0.3)");
  EXPECT_EQ(Real(-2.5f), R"(-2.5)");
  EXPECT_EQ(Real(123456.f), R"(123456.)");
  EXPECT_EQ(Real(16777216.f), R"(1.6777216e+07)");
  EXPECT_EQ(Real(1e-5f), R"(1e-05)");
  EXPECT_EQ(Real(1e-45f), R"(1e-45)");
  EXPECT_EQ(Real(FLT_MAX), R"(3.4028235e+38)");
  EXPECT_EQ(Real(-0.0f), R"(-0.)");
}

TEST(TextStream, ExponentLimitSettings) {
  const std::string text = Written(
      [](utl_Stream& s) {
        s << 1234.0 << ' ' << 100.0 << ' ' << 0.001 << ' ' << 100.f << ' ' << 12.5f << ' '
          << 0.00001f;
      },
      131, 3, 2);
  EXPECT_EQ(text, R"(1.234e+03 100. 0.001 1e+02 12.5 1e-05)");
  // A limit beyond any exponent of a double gives fixed notation up to 1e308.
  const std::string wide = Written([](utl_Stream& s) { s << 1e20 << ' ' << 1.5e-5; }, 131, 1000, 6);
  EXPECT_EQ(wide, R"(100000000000000000000. 1.5e-05)");
}

TEST(TextStream, RealsRoundTripRandom) {
  std::mt19937_64 random(20240611);
  std::vector<double> doubles;
  std::vector<float> floats;
  while (doubles.size() < 100000) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) doubles.push_back(value);
  }
  std::uniform_real_distribution<double> moderate(-1e4, 1e4);
  for (int i = 0; i < 50000; ++i) doubles.push_back(moderate(random));
  while (floats.size() < 100000) {
    const float value = std::bit_cast<float>(std::uint32_t(random()));
    if (std::isfinite(value)) floats.push_back(value);
  }
  const std::string text = Written([&](utl_Stream& s) {
    for (double value : doubles) s << value << endl;
    for (float value : floats) s << value << endl;
  });
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), doubles.size() + floats.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    ASSERT_NE(line.find_first_of(".e"), std::string::npos) << line;
    if (i < doubles.size()) {
      double back = 0;
      const auto result = std::from_chars(line.data(), line.data() + line.size(), back);
      ASSERT_EQ(result.ec, std::errc()) << line;
      ASSERT_EQ(result.ptr, line.data() + line.size()) << line;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(doubles[i]))
          << line;
    } else {
      float back = 0;
      const auto result = std::from_chars(line.data(), line.data() + line.size(), back);
      ASSERT_EQ(result.ec, std::errc()) << line;
      ASSERT_EQ(result.ptr, line.data() + line.size()) << line;
      ASSERT_EQ(std::bit_cast<std::uint32_t>(back),
                std::bit_cast<std::uint32_t>(floats[i - doubles.size()]))
          << line;
    }
  }
}

TEST(TextStream, RealsShortestDigitCount) {
  // The stream writes exactly as many significant digits as the shortest
  // round-trip text has, whatever the layout.
  std::mt19937_64 random(7);
  Capture capture;
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(random());
    if (!std::isfinite(value) || value == 0) continue;
    char shortest[64];
    const auto end =
        std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific)
            .ptr;
    const std::string mantissa(shortest, std::find(shortest, end, 'e'));
    std::string expected;
    for (char c : mantissa)
      if (c >= '0' && c <= '9') expected += c;
    const std::string written = capture.Real(value);
    std::string digits;
    for (char c : written) {
      if (c == 'e') break;  // the exponent's digits are not the mantissa's
      if (c >= '0' && c <= '9') digits += c;
    }
    digits.erase(0, digits.find_first_not_of('0'));
    digits.erase(digits.find_last_not_of('0') + 1);
    expected.erase(expected.find_last_not_of('0') + 1);
    ASSERT_EQ(digits, expected) << written;
  }
}

// ---------------------------------------------------------------------------
// Print: fields, precision, %g layout in the solver's form.

TEST(TextStream, PrintRealExamples) {
  EXPECT_EQ(Printed(1.0, 12, 15), R"(          1.)");
  EXPECT_EQ(Printed(0.5f, 12, 7), R"(         0.5)");
  EXPECT_EQ(Printed(-1.0 / 3, 12, 15), R"(-0.333333333333333)");
  EXPECT_EQ(Printed(1e-20, 12, 15), R"(       1e-20)");
  EXPECT_EQ(Printed(1234567.0, 12, 7), R"(    1234567.)");
  EXPECT_EQ(Printed(12345678.0, 12, 7), R"(1.234568e+07)");
  EXPECT_EQ(Printed(0.0001, 12, 7), R"(      0.0001)");
  EXPECT_EQ(Printed(0.00001, 12, 7), R"(       1e-05)");
  EXPECT_EQ(Printed(9.9999999, 12, 7), R"(         10.)");
  EXPECT_EQ(Printed(-9.99999996e-5, 12, 7), R"(     -0.0001)");
  EXPECT_EQ(Printed(0.1f, 12, 7), R"(         0.1)");
  EXPECT_EQ(Printed(0.1f, 12, 15), R"(0.100000001490116)");
  EXPECT_EQ(Printed(-12.345678f, 12, 7), R"(   -12.34568)");
  EXPECT_EQ(Printed(1e30f, 12, 7), R"(       1e+30)");
  EXPECT_EQ(Printed(1.7976931348623157e308, 12, 15), R"(1.79769313486232e+308)");
  // Subnormal: the exact digits of the nearest representable value.
  EXPECT_EQ(Printed(1.5e-310, 12, 15), R"(1.50000000000002e-310)");
  EXPECT_EQ(Printed(1.5e-310, 12, 7), R"(    1.5e-310)");
  EXPECT_EQ(Printed(123.0, 0, 2), R"(1.2e+02)");
}

TEST(TextStream, PrintRealZeroAndPrecisionLimits) {
  EXPECT_EQ(Printed(0.0, 12, 7), R"(          0.)");
  EXPECT_EQ(Printed(-0.0, 8, 7), R"(     -0.)");
  EXPECT_EQ(Printed(0.0f, 4, 15), R"(  0.)");
  // As %g: precision 0 means 1.
  EXPECT_EQ(Printed(2.75, 4, 0), R"(  3.)");
  EXPECT_EQ(Printed(0.1, 0, 30), R"(0.100000000000000005551115123126)");
  EXPECT_EQ(Printed(0.1, 0, 17), R"(0.10000000000000001)");
  EXPECT_EQ(Printed(1.0 / 3, 3, 9), R"(0.333333333)");
}

TEST(TextStream, PrintRealTiesRoundToEven) {
  // Exact binary ties go to the even digit, as the C library does.
  EXPECT_EQ(Printed(1234567.5f, 12, 7), R"(    1234568.)");
  EXPECT_EQ(Printed(1234568.5f, 12, 7), R"(    1234568.)");
  EXPECT_EQ(Printed(0.125, 6, 2), R"(  0.12)");
  EXPECT_EQ(Printed(0.375, 6, 2), R"(  0.38)");
  EXPECT_EQ(Printed(2.5, 3, 1), R"( 2.)");
  EXPECT_EQ(Printed(3.5, 3, 1), R"( 4.)");
  EXPECT_EQ(Printed(9.5, 6, 1), R"( 1e+01)");
}

TEST(TextStream, PrintRealAgreesWithExactRounding) {
  // The quick rounding of Print must give the digits of the exact
  // conversion for every precision it handles.
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> coordinate(-2000.0, 2000.0);
  std::uniform_int_distribution<int> exponent(-60, 60);
  Capture capture;
  for (int i = 0; i < 8000; ++i) {
    const float asFloat = std::bit_cast<float>(std::uint32_t(random()));
    const double asDouble = coordinate(random) * std::pow(10.0, exponent(random));
    const float rounded = float(coordinate(random));
    for (int precision = 1; precision <= 9; ++precision) {
      if (std::isfinite(asFloat)) {
        ASSERT_EQ(capture.Printed(asFloat, 0, precision), ReferenceGeneral(asFloat, precision))
            << precision;
      }
      ASSERT_EQ(capture.Printed(asDouble, 0, precision), ReferenceGeneral(asDouble, precision))
          << precision;
      ASSERT_EQ(capture.Printed(rounded, 0, precision), ReferenceGeneral(rounded, precision))
          << precision;
    }
    // Right-aligned in fields narrower and wider than 16 characters.
    const std::string narrow = ReferenceGeneral(rounded, 7);
    ASSERT_EQ(capture.Printed(rounded, 12, 7),
              std::string(12 - std::min<std::size_t>(12, narrow.size()), ' ') + narrow);
    const std::string wide = ReferenceGeneral(-asDouble, 9);
    ASSERT_EQ(capture.Printed(-asDouble, 23, 9), std::string(23 - wide.size(), ' ') + wide);
    const double anyDouble = std::bit_cast<double>(random());
    if (std::isfinite(anyDouble)) {
      ASSERT_EQ(capture.Printed(anyDouble, 0, 15), ReferenceGeneral(anyDouble, 15));
      ASSERT_EQ(capture.Printed(anyDouble, 0, 7), ReferenceGeneral(anyDouble, 7));
    }
  }
}

TEST(TextStream, PrintIntFields) {
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(42, 5); }), R"(   42)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(-42, 5); }), R"(  -42)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(0, 1); }), R"(0)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(0, 0); }), R"(0)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(123456, 3); }), R"(123456)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(-7, -3); }), R"(-7)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(std::numeric_limits<int>::min(), 12); }),
            R"( -2147483648)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(std::numeric_limits<int>::max(), 7); }),
            R"(2147483647)");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(7, 70); }), std::string(69, ' ') + "7");
  EXPECT_EQ(Written([](utl_Stream& s) { s.Print(-1.5, 70, 7); }), std::string(66, ' ') + "-1.5");
}

TEST(TextStream, IntegersCharsAndText) {
  const cow_String name = "NALL";
  const std::string text = Written([&](utl_Stream& s) {
    s << 0 << ' ' << -17 << ' ' << std::numeric_limits<int>::min() << ' '
      << std::numeric_limits<long>::min() << ' ' << std::numeric_limits<unsigned long>::max() << ' '
      << std::numeric_limits<unsigned>::max() << ' ' << 9999999999LL << ' ' << 10u << '\n';
    s << "*Nset, nset=" << name << endl;
    s.Print("**");
    s.Print(name);
    s.LineBreak();
  });
  EXPECT_EQ(text,
            R"(0 -17 -2147483648 -9223372036854775808 18446744073709551615 4294967295 9999999999 10
*Nset, nset=NALL
**NALL
)");
}

// ---------------------------------------------------------------------------

TEST(TextStream, FixNumericString) {
  EXPECT_EQ(Fixed("  1", 3), R"( 1.)");
  EXPECT_EQ(Fixed("1", 1), R"(1.)");
  EXPECT_EQ(Fixed("1", 0), R"(1.)");
  EXPECT_EQ(Fixed("-0", 2), R"(-0.)");
  EXPECT_EQ(Fixed("+7", 2), R"(+7.)");
  EXPECT_EQ(Fixed("  -12", 5), R"( -12.)");
  EXPECT_EQ(Fixed("1  ", 3), R"(1. )");
  // Padding short of the width is kept: the text grows.
  EXPECT_EQ(Fixed("  1", 5), R"(  1.)");
  // Already in the solver's form.
  EXPECT_EQ(Fixed("  1.5", 5), R"(  1.5)");
  EXPECT_EQ(Fixed("1e+10", 5), R"(1e+10)");
  EXPECT_EQ(Fixed(" 1E-07", 6), R"( 1E-07)");
  EXPECT_EQ(Fixed(".5", 2), R"(.5)");
  EXPECT_EQ(Fixed("3.", 2), R"(3.)");
  // Not numbers: left alone.
  EXPECT_EQ(Fixed("", 3), R"()");
  EXPECT_EQ(Fixed("   ", 3), R"(   )");
  EXPECT_EQ(Fixed("  inf", 5), R"(  inf)");
  EXPECT_EQ(Fixed("nan", 3), R"(nan)");
  EXPECT_EQ(Fixed("abc", 3), R"(abc)");
  EXPECT_EQ(Fixed("1-", 2), R"(1-)");
  EXPECT_EQ(Fixed("1e", 2), R"(1e)");
  EXPECT_EQ(Fixed("-", 1), R"(-)");
  EXPECT_EQ(Fixed("1 2", 3), R"(1 2)");
}

TEST(TextStream, SmallRealThresholdScopes) {
  const std::string text = Written([](utl_Stream& s) {
    EXPECT_EQ(s.SmallReal(), 0.0);
    s << 1e-300 << ' ';
    {
      utl_StreamSmallReal outer(s, 1e-10);
      EXPECT_EQ(s.SmallReal(), 1e-10);
      s << 1e-12 << ' ' << -1e-12 << ' ' << 1e-10 << ' ' << -0.0 << ' ' << 1e-12f << ' ';
      s.Print(1e-12, 6, 7);
      s.Print(-1e-12f, 6, 15);
      s << ' ';
      {
        utl_StreamSmallReal inner(s, 1e-3);
        s << 1e-5 << ' ';
        s.Print(2e-4, 6, 7);
        s << ' ';
      }
      EXPECT_EQ(s.SmallReal(), 1e-10);
      s << 1e-5 << ' ';
    }
    EXPECT_EQ(s.SmallReal(), 0.0);
    s << 1e-12;
  });
  EXPECT_EQ(text, R"(1e-300 0. 0. 1e-10 0. 0.     0.    0. 0.     0. 1e-05 1e-12)");
}

// ---------------------------------------------------------------------------
// Continuation of long keyword lines.

TEST(TextStream, ShortKeywordLineUnchanged) {
  const std::string text = Written([](utl_Stream& s) {
    s << "*Material, name=Steel, ";
    s.OptionalLineBreak();
    s << "temperature=20." << endl;
    s << "1, 2, 3" << endl;
  });
  EXPECT_EQ(text, R"(*Material, name=Steel, temperature=20.
1, 2, 3
)");
}

TEST(TextStream, ContinuationSmallLimit) {
  const std::string text = Written(
      [](utl_Stream& s) {
        s << "*Key, alpha=1, ";
        s.OptionalLineBreak();
        s << "beta=22, ";
        s.OptionalLineBreak();
        s << "gamma=333, ";
        s.OptionalLineBreak();
        s << "delta=4" << endl;
        s << "1, 2" << endl;
      },
      20);
  EXPECT_EQ(text, R"(*Key, alpha=1,
beta=22, gamma=333,
delta=4
1, 2
)");
}

TEST(TextStream, ContinuationEdgeCases) {
  // A line of exactly the limit stays; one more character breaks it.
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K, a=1, ";
                  s.OptionalLineBreak();
                  s << "b=2" << endl;
                },
                12),
            "*K, a=1, b=2\n");
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K, a=1, ";
                  s.OptionalLineBreak();
                  s << "b=22" << endl;
                },
                12),
            R"(*K, a=1,
b=22
)");
  // Nothing after the last ", ": the line ends at its ",".
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K, aaaaaa, ";
                  s.OptionalLineBreak();
                  s << endl;
                },
                10),
            R"(*K, aaaaaa,
)");
  // A continuation line never starts with a blank.
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K, a=1, ";
                  s.OptionalLineBreak();
                  s << "   bbbbbbbbbb" << endl;
                },
                10),
            R"(*K, a=1,
bbbbbbbbbb
)");
  // A bare "," is a candidate too.
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K,a=1,";
                  s.OptionalLineBreak();
                  s << "bbbbbbbbbbbb";
                  s.LineBreak();
                },
                10),
            R"(*K,a=1,
bbbbbbbbbbbb
)");
  // Not after a comma: ignored.
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K a";
                  s.OptionalLineBreak();
                  s << " bbbbbbbbbbbbbbbb" << endl;
                },
                10),
            R"(*K a bbbbbbbbbbbbbbbb
)");
  // Calling it twice at one place changes nothing.
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K, a=1, ";
                  s.OptionalLineBreak();
                  s.OptionalLineBreak();
                  s << "b=2, ";
                  s.OptionalLineBreak();
                  s.OptionalLineBreak();
                  s << "c=333333" << endl;
                },
                14),
            R"(*K, a=1, b=2,
c=333333
)");
  // A line end inside written text ends the line and drops its candidates.
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K, a=1, ";
                  s.OptionalLineBreak();
                  s << "x\n"
                    << "1234567890123456789" << '\n'
                    << "*K, ";
                  s.OptionalLineBreak();
                  s << "y\n";
                },
                10),
            R"(*K, a=1, x
1234567890123456789
*K, y
)");
  // A limit of 0 turns continuation off.
  EXPECT_EQ(Written(
                [](utl_Stream& s) {
                  s << "*K, a=1, ";
                  s.OptionalLineBreak();
                  s << "b=22" << endl;
                },
                0),
            "*K, a=1, b=22\n");
}

TEST(TextStream, LongKeywordLineBrokenAt131) {
  const std::string text = Written([](utl_Stream& s) { KeywordLine(s, 60); });
  const std::vector<std::string> lines = Lines(text);
  ASSERT_GT(lines.size(), 5u);
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 131u) << lines[i];
    EXPECT_NE(lines[i].front(), ' ') << lines[i];
    if (i + 1 < lines.size()) {
      EXPECT_EQ(lines[i].back(), ',') << lines[i];
      // Each line is as full as the next parameter allows: adding it (after
      // a blank, with its "," unless it ends the keyword line) would pass
      // the limit.
      const std::size_t comma = lines[i + 1].find(',');
      const std::size_t added = comma == std::string::npos ? lines[i + 1].size() + 1 : comma + 2;
      EXPECT_GT(lines[i].size() + added, 131u) << lines[i];
      joined += lines[i] + " ";
    } else {
      joined += lines[i];
    }
  }
  const std::string unbroken = Written([](utl_Stream& s) { KeywordLine(s, 60); }, 0);
  EXPECT_EQ(joined + "\n", unbroken);
}

TEST(TextStream, LineWithoutCandidatesNotBroken) {
  const std::string text = Written([](utl_Stream& s) {
    for (int i = 0; i < 100; ++i) s << i << ", ";
    s << endl;
  });
  EXPECT_EQ(Lines(text).size(), 1u);
  EXPECT_GT(text.size(), 300u);
}

TEST(TextStream, ContinuationAcrossBlockBoundary) {
  // The same keyword line, placed so that the block boundary falls at every
  // position of its first two hundred characters, is broken the same way.
  const std::string alone = Written([](utl_Stream& s) { KeywordLine(s, 30); });
  ASSERT_GT(Lines(alone).size(), 2u);
  for (std::size_t shift = 0; shift < 200; ++shift) {
    const std::size_t filler = utl_Stream::kBlockSize - 300 + shift;
    const std::string text = Written([&](utl_Stream& s) {
      s << std::string(filler, 'x') << endl;
      KeywordLine(s, 30);
    });
    ASSERT_EQ(text.size(), filler + 1 + alone.size()) << shift;
    ASSERT_EQ(text.compare(filler + 1, std::string::npos, alone), 0) << shift;
  }
}

TEST(TextStream, ContinuationOfLineLongerThanBlock) {
  const std::string data(3 * utl_Stream::kBlockSize + 17, 'd');
  const std::string text = Written([&](utl_Stream& s) {
    s << "*K, a=1, ";
    s.OptionalLineBreak();
    s << data << endl;
    s << "*K, b=2, ";
    s.OptionalLineBreak();
    s << "c" << endl;
  });
  EXPECT_EQ(text, "*K, a=1,\n" + data + "\n*K, b=2, c\n");
}

// ---------------------------------------------------------------------------
// Buffering and devices.

TEST(TextStream, BufferingAcrossBlocks) {
  std::string expected;
  const std::string text = Written([&](utl_Stream& s) {
    for (int i = 0; i < 300000; ++i) {
      s << i << ", ";
      s.Print(-i, 8);
      s << ", "
        << "node" << endl;
      expected += std::to_string(i) + ", ";
      const std::string negative = std::to_string(-i);
      expected += std::string(negative.size() < 8 ? 8 - negative.size() : 0, ' ') + negative;
      expected += ", node\n";
    }
  });
  ASSERT_GT(expected.size(), 3 * utl_Stream::kBlockSize);
  EXPECT_EQ(text.size(), expected.size());
  EXPECT_TRUE(text == expected);
}

TEST(TextStream, FlushHandsOverEverything) {
  std::string sink;
  aio_ios ios;
  ios.attach(sink);
  utl_Stream stream(ios);
  stream << "*Node" << endl << 1 << ", ";
  EXPECT_EQ(sink, "");
  stream.Flush();
  EXPECT_EQ(sink, "*Node\n1, ");
  stream << 2.5;
  stream.Flush();
  EXPECT_EQ(sink, "*Node\n1, 2.5");
}

TEST(TextStream, FileOutputAndCloseTwice) {
  test::TempFolder folder;
  const std::filesystem::path path = folder / "stream.inp";
  {
    aio_ios ios;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ios.attach(file, true);
    EXPECT_TRUE(ios.is_open());
    {
      utl_Stream stream(ios);
      stream << "*Heading" << endl << "** written " << 3 << " times" << endl;
      for (int i = 0; i < 200000; ++i) {
        stream.Print(i, 7);
        stream << ", " << 0.25f * float(i) << endl;
      }
    }
    ios.close();
    EXPECT_FALSE(ios.is_open());
    ios.close();
  }
  std::string expected = "*Heading\n** written 3 times\n";
  expected += Written([](utl_Stream& s) {
    for (int i = 0; i < 200000; ++i) {
      s.Print(i, 7);
      s << ", " << 0.25f * float(i) << endl;
    }
  });
  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::string content;
  char block[65536];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) content.append(block, got);
  std::fclose(file);
  std::filesystem::remove(path);
  EXPECT_EQ(content.size(), expected.size());
  EXPECT_TRUE(content == expected);
}

TEST(TextStream, FileNotOwnedStaysOpen) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  {
    aio_ios ios;
    ios.attach(file, false);
    utl_Stream stream(ios);
    stream << "*Node" << endl;
    stream.Flush();
    ios.close();
  }
  ASSERT_GE(std::fputs("1, 0., 0., 0.\n", file), 0);
  std::rewind(file);
  char text[64] = {};
  const std::size_t got = std::fread(text, 1, sizeof text - 1, file);
  std::fclose(file);
  EXPECT_EQ(std::string(text, got), R"(*Node
1, 0., 0., 0.
)");
}

TEST(TextStream, WriteWithoutDeviceThrows) {
  aio_ios ios;
  EXPECT_FALSE(ios.is_open());
  EXPECT_THROW(ios.write("x", 1), nex_TextException);
  utl_Stream stream(ios);
  stream << "text";
  EXPECT_THROW(stream.Flush(), nex_TextException);
  ios.write("", 0);  // nothing to hand over: no error
}

TEST(TextStream, FullDeviceThrowsOnFlush) {
  std::FILE* file = std::fopen("/dev/full", "wb");
  if (file == nullptr) GTEST_SKIP() << "no /dev/full here";
  aio_ios ios;
  ios.attach(file, true);
  utl_Stream stream(ios);
  stream << "*Heading" << endl;
  // The file is unbuffered, so the refusal shows at the write itself, with
  // the system's reason.
  try {
    stream.Flush();
    ADD_FAILURE() << "no error";
  } catch (const aio_IOError& error) {
    EXPECT_EQ(error.Error(), ENOSPC);
    EXPECT_EQ(error.Message(), "Text output: writing the file failed: No space left on device");
  }
}

#if defined(__linux__)
TEST(TextStream, WriteTheFileTakesOnlyInPartIsAnError) {
  // A file size limit lets the first 4096 bytes of the block through and
  // refuses the rest; nothing is written after that block.
  test::TempFolder folder;
  std::FILE* file = std::fopen((folder / "part.inp").c_str(), "wb");
  ASSERT_NE(file, nullptr);
  struct rlimit previous;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = previous;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string message;
  {
    aio_ios ios;
    ios.attach(file, true);
    utl_Stream stream(ios);
    stream << std::string(10000, 'x').c_str();
    try {
      stream.Flush();
    } catch (const aio_IOError& error) {
      message = error.Message();
    }
  }
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousSignal);
  EXPECT_EQ(message, "Text output: writing the file failed: File too large");
  EXPECT_EQ(std::filesystem::file_size(folder / "part.inp"), 4096u);
}
#endif

TEST(TextStream, SameBytesUnderCommaLocale) {
  const auto body = [](utl_Stream& s) {
    s << 1.5 << ", " << -0.25f << ", " << 1234567.0 << ", " << 1e-7 << endl;
    s.Print(3.25, 12, 15);
    s.Print(0.5f, 12, 7);
    s.Print(1.0 / 3, 12, 17);
    s << endl << 1234567 << endl;
  };
  const std::string inC = Written(body);
  EXPECT_EQ(inC, R"(1.5, -0.25, 1.234567e+06, 1e-07
        3.25         0.50.33333333333333331
1234567
)");
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"};
  const char* found = nullptr;
  for (const char* name : names) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      found = name;
      break;
    }
  }
  if (found == nullptr) GTEST_SKIP() << "no comma-decimal locale is installed";
  const std::string inLocale = Written(body);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(inLocale, inC) << found;
}
