#pragma once
// "*Element Output": the request's element variables for an element set,
// in groups of up to 16 section points, in the plain or the rebar form.
#include <vector>

#include "oif/impl/oif_VariableOutput.h"

class oif_ElementOutput : public oif_VariableOutput {
 public:
  /// `channel` (kprC_Channel): the field channel writes the directions
  /// parameter. `rebar`: the ", rebar" form.
  oif_ElementOutput(oif_VariableRequest request, int channel, bool rebar, bool directions,
                    std::vector<int> sectionPoints);
  zkw_Keyword* Clone() const override { return new oif_ElementOutput(*this); }
  void Write(utl_Stream& stream) const override;
  /// The variables printed, in order, each once.
  std::vector<std::string> ElementKept() const;

 private:
  int channel_;
  bool rebar_;
  bool directions_;
  std::vector<int> sectionPoints_;
};
