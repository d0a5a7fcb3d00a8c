#pragma once
#include "zkw/zkw_Export.h"

#define OIF_API ZKW_API

class odb_Odb;

/// Writes the keyword input deck of the model "Default Model" of an open
/// output database.
class OIF_API oif_Writer {
 public:
  explicit oif_Writer(const odb_Odb& odb);
  ~oif_Writer();

  /// Writes the file `jobName` followed by ".inp" (relative to the current
  /// directory), replacing an older one. Returns silently, writing nothing,
  /// when the file cannot be opened.
  /// @throws nex_TextException for model content the writer does not support
  /// @throws nex_AssertException for a model that breaks an invariant
  /// The part of the file written before an exception stays on disk.
  void WriteInputFile(const char* jobName);

 private:
  const odb_Odb& odb_;
};
