#pragma once
// Checking a model file without writing a deck: every error (not only the
// first), warnings about what loads but is probably wrong, and a summary of
// what the model holds. Used by `oif check`.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "modeldb/ddb_Model.h"
#include "modelfile/mfl_Json.h"

/// Something a model file holds that loads but is probably not what was meant.
struct mfl_CheckWarning {
  std::string id, file, pointer;
  std::size_t line = 0, column = 0;
  std::string problem;
  /// "FILE:LINE:COLUMN: warning [ID] at POINTER: PROBLEM".
  std::string Describe() const;
};

struct mfl_CheckReport {
  /// The errors in file order of discovery, each with its file, line, column,
  /// JSON Pointer and id, as the loader reports them.
  std::vector<mfl_ModelFileError> errors;
  /// True when the check stopped before the end of the file: at the cap, or at
  /// an error after which nothing more can be read (bad JSON, unreadable file).
  bool stoppedEarly = false;
  std::vector<mfl_CheckWarning> warnings;
  /// What the model holds, as (what, how many) in a fixed order; counted over
  /// what loaded (without the values in error). Empty when nothing loaded.
  std::vector<std::pair<std::string, std::size_t>> summary;
  /// The model as it loaded: when there are errors, without the values in error.
  std::optional<odb_Odb> model;
};

namespace mfl {
/// Adds the warnings and the summary of a document that loads (mfl_CheckWarnings.cpp).
void CollectCheckWarnings(const Document& doc, mfl_CheckReport& report);
/// Of those warnings, the ones about content the deck leaves out
/// ("check.unused-part", "check.output-variable"); cheap on large meshes.
std::vector<mfl_CheckWarning> CollectLeftOutWarnings(const Document& doc);
}  // namespace mfl

class mfl_ModelCheck {
 public:
  static constexpr std::size_t DefaultErrorCap = 50;

  /// Checks a model file; `displayName` stands for the file in messages.
  static mfl_CheckReport Check(std::string_view text, const std::string& displayName,
                               std::size_t errorCap = DefaultErrorCap);
  /// Reads and checks the file at `path` ("file.open" when it cannot be read).
  static mfl_CheckReport CheckFile(const std::string& path, std::size_t errorCap = DefaultErrorCap);
};
