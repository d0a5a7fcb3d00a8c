#pragma once
#include <memory>
#include <vector>

#include "modeldb/korC_OutputRequest.h"
#include "modeldb/kprC_Step.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds, for every analysis step, its solution controls, its solver
/// controls and its output requests: the restart request, the diagnostic
/// print settings, the monitor, and the field and history output.
class oif_OutputRequestBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_OutputRequestBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  /// The "CONTROLS" comment and the controls keyword of the controls' class.
  void AddControls(const cow_String& name, const kprC_AnalysisStep& step);
  /// The "SOLVER CONTROLS" comment and "*Solver Controls".
  void AddSolverControls(const cow_String& name, const kprC_AnalysisStep& step);
  /// "*Print" of the step's settings against those in force before it.
  void AddDiagnosticPrint(const cow_String& name, const kprC_AnalysisStep& step, bool first);
  /// The records of one channel's requests active in the step at `index`.
  template <class Container>
  std::vector<korC_OdbRequest> Collect(const Container& requests, std::size_t index, unsigned procedure) const;
  /// The "*Output" groups of one channel, or the procedure's default request.
  void AddChannel(const cow_String& name, std::vector<korC_OdbRequest> records, int channel, unsigned procedure,
                  double timePeriod);
  void AddDefault(const cow_String& name, int channel, unsigned procedure, double timePeriod);
  /// The variable keywords of a record for one region name.
  void AddVariables(const cow_String& name, const korC_OdbRequest& record, const cow_String& region);

  /// Diagnostic print settings in force before the step being built.
  std::shared_ptr<const kprC_DiagnosticPrint> previousPrint_;
};
