#pragma once
// Opening a JSON model file (see docs/model-file.md) as an output database.
#include <string>
#include <string_view>
#include <vector>

#include "modeldb/ddb_Model.h"
#include "modelfile/mfl_Json.h"

struct mfl_CheckWarning;

class mfl_ModelFile {
 public:
  /// The format version this reader writes and reads.
  static constexpr int FormatVersion = 1;

  /// Loads a model file. @throws mfl_ModelFileError naming the file, the
  /// place in it and what is wrong.
  static odb_Odb Open(const std::string& path);
  /// As Open(path), and adds to `leftOut` a warning for each piece of the
  /// model that loads but that the deck leaves out (a part in no instance, an
  /// output variable a step's procedure cannot write).
  static odb_Odb Open(const std::string& path, std::vector<mfl_CheckWarning>& leftOut);
  /// As Parse(text, displayName), with the warnings of Open(path, leftOut).
  static odb_Odb Parse(std::string_view text, const std::string& displayName,
                       std::vector<mfl_CheckWarning>& leftOut);
  /// Loads a model from text; `displayName` stands for the file in messages.
  static odb_Odb Parse(std::string_view text, const std::string& displayName = "<model>");
  /// Loads a model from a document already in memory (mfl::Document::FromTree);
  /// the document is consumed: its large arrays move into the model.
  static odb_Odb FromDocument(mfl::Document document);
  /// As FromDocument(document), with the warnings of Open(path, leftOut).
  static odb_Odb FromDocument(mfl::Document document, std::vector<mfl_CheckWarning>& leftOut);
};
