#pragma once
// The variable keywords that follow "*Output": each keeps the request's
// variables of its own kind (a component is written as its parent request),
// prints its region parameter and the variables on data lines. The family
// is described by one row per keyword (oif_VariableKeywordRow); *Element
// Output, with its section points and rebar form, has its own class
// (oif_ElementOutput).
#include <string>
#include <vector>

#include "containers/cow.h"
#include "zkw/zkw_Keyword.h"

/// One keyword of the family.
struct oif_VariableKeywordRow {
  const char* keyword;     ///< "*Node Output"
  int kinds[2];            ///< korC_OutputKind values kept (-1: none)
  int perLine;             ///< variables per data line
  const char* regionParam; ///< parameter naming the region, or nullptr
  unsigned regionSets;     ///< bit k: takes a region that is a set of rgnC_SetData kind k
  bool allOnly;            ///< ", variable=ALL" only (no PRESELECT)
};

/// What every variable keyword is given.
struct oif_VariableRequest {
  std::vector<std::string> variables;
  unsigned procedureType = 0;
  bool preselect = false;
  bool all = false;
  /// The region's printable name (empty: the whole model) and its set kind
  /// (rgnC_SetData kind; -1 for the whole model or a named entity).
  cow_String region;
  int regionSetKind = -1;
};

/// The variable lines: `perLine` variables a line separated by ", ", the
/// line ended after every full line and after the last; a lone variable is
/// followed by ", ".
void oif_WriteVariableLines(utl_Stream& stream, const std::vector<std::string>& variables, int perLine);

/// Base of the family.
class oif_VariableOutput : public zkw_Keyword {
 public:
  void Write(utl_Stream& stream) const override;
  /// The variables this keyword prints, in order, each once.
  std::vector<std::string> Kept() const;

 protected:
  oif_VariableOutput(const oif_VariableKeywordRow& row, oif_VariableRequest request)
      : row_(&row), request_(std::move(request)) {}
  /// The region parameters of the keyword line.
  virtual void WriteRegion(class oif_KeywordLine& line) const;
  /// False when the keyword cannot take the request's region.
  bool TakesRegion() const;

  const oif_VariableKeywordRow* row_;
  oif_VariableRequest request_;
};

class oif_NodeOutput : public oif_VariableOutput {
 public:
  /// `alwaysLine`: the keyword line is printed even without variables (the
  /// default request of a procedure with modes).
  explicit oif_NodeOutput(oif_VariableRequest request, bool alwaysLine = false);
  zkw_Keyword* Clone() const override { return new oif_NodeOutput(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  bool alwaysLine_;
};

class oif_ContactOutput : public oif_VariableOutput {
 public:
  /// `master`, `slave` and `contactPair` name the contact the output is
  /// of (empty when none); with `explicitGeneralContact` no region
  /// parameter is written.
  explicit oif_ContactOutput(oif_VariableRequest request, cow_String master = {}, cow_String slave = {},
                             cow_String contactPair = {}, bool explicitGeneralContact = false);
  zkw_Keyword* Clone() const override { return new oif_ContactOutput(*this); }

 private:
  void WriteRegion(oif_KeywordLine& line) const override;
  cow_String master_, slave_, contactPair_;
  bool explicitGeneralContact_;
};

#define OIF_VARIABLE_KEYWORD(Class)                                        \
  class Class : public oif_VariableOutput {                                \
   public:                                                                 \
    explicit Class(oif_VariableRequest request);                           \
    zkw_Keyword* Clone() const override { return new Class(*this); }       \
  };
OIF_VARIABLE_KEYWORD(oif_ModalOutput)
OIF_VARIABLE_KEYWORD(oif_EnergyOutput)
OIF_VARIABLE_KEYWORD(oif_IncrementationOutput)
OIF_VARIABLE_KEYWORD(oif_RadiationOutput)
OIF_VARIABLE_KEYWORD(oif_IntegratedOutput)
#undef OIF_VARIABLE_KEYWORD
