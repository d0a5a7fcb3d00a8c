#pragma once
// PLACEHOLDER INTERFACE: the implementation is being written; the public
// operations below are fixed.
#include <cstddef>
#include <string>

#include "containers/cow.h"
#include "modeldb/mdb_Export.h"
#include "textstream/aio_ios.h"

class MDB_API utl_Stream {
 public:
  utl_Stream(aio_ios& ios, int lineLimit, int doubleExponentLimit, int floatExponentLimit);
  ~utl_Stream();  // flushes
  utl_Stream(const utl_Stream&) = delete;
  utl_Stream& operator=(const utl_Stream&) = delete;

  utl_Stream& operator<<(const char* text);
  utl_Stream& operator<<(const cow_String& text);
  utl_Stream& operator<<(char c);
  utl_Stream& operator<<(int value);
  utl_Stream& operator<<(long value);
  utl_Stream& operator<<(long long value);
  utl_Stream& operator<<(unsigned value);
  utl_Stream& operator<<(unsigned long value);
  utl_Stream& operator<<(double value);
  utl_Stream& operator<<(float value);
  utl_Stream& operator<<(utl_Stream& (*manipulator)(utl_Stream&)) { return manipulator(*this); }

  void LineBreak();
  void OptionalLineBreak();
  void Print(int value, int width);
  void Print(double value, int width, int precision);
  void Print(float value, int width, int precision);
  void Print(const char* text);
  void Print(const cow_String& text);
  void Flush();

  static void FixNumericString(std::string& text, int width);

  double SmallReal() const noexcept;
  void SetSmallReal(double threshold) noexcept;
};

MDB_API utl_Stream& endl(utl_Stream& stream);

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
