#pragma once
#include <memory>
#include <vector>

#include "modeldb/kbcC_BoundaryCondition.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_Keyword.h"

/// "*Boundary": one boundary condition in one step (displacement, velocity,
/// acceleration, type, temperature and field conditions, submodel driving
/// conditions). The builder decides the form (", op=NEW", changes only,
/// removed), the load cases of the buckling or complex forms and the scale
/// factor; the keyword reads the condition's state in the step.
class oif_Boundary : public zkw_Keyword {
 public:
  /// Load cases to write the condition for: none (no load case parameter),
  /// 1, 2, or both.
  enum LoadCases : unsigned char { NoLoadCase = 0, LoadCase1 = 1, LoadCase2 = 2, BothLoadCases = 3 };

  /// `complex`: load case 2 states the imaginary parts. `shellToSolid`:
  /// submodel conditions write the shell thickness. The region name is
  /// shared by the keywords of one condition.
  oif_Boundary(const oif_KeywordForm& form, std::shared_ptr<const kbcC_BoundaryCondition> condition,
               std::size_t step, std::shared_ptr<const cow_String> regionName, LoadCases loadCases, bool complex,
               double scale, bool shellToSolid);
  zkw_Keyword* Clone() const override { return new oif_Boundary(*this); }
  void Write(utl_Stream& stream) const override;

  /// A submodel condition driven by the global model (not fixed, not
  /// removed): its keyword line is written once for its group.
  bool IsSubmodelDriven() const noexcept { return !submodelLine_.empty(); }
  /// The keyword line a submodel-driven condition shares with its group.
  const cow_String& SubmodelLine() const noexcept { return submodelLine_; }
  /// Adds a further condition of the same submodel line: its data lines
  /// follow this one's.
  void Group(const oif_Boundary& other);

 private:
  void WriteLine(utl_Stream& stream, int loadCase) const;
  void WriteData(utl_Stream& stream, int loadCase) const;
  void WriteSubmodelData(utl_Stream& stream) const;

  const cow_String& Region() const noexcept { return *regionName_; }

  std::shared_ptr<const kbcC_BoundaryCondition> condition_;
  std::shared_ptr<const cow_String> regionName_;
  std::size_t step_;
  double scale_;
  oif_KeywordForm form_;
  LoadCases loadCases_;
  bool complex_;
  bool shellToSolid_;
  cow_String submodelLine_;
  std::vector<oif_Boundary> grouped_;

 protected:
  bool connector_ = false;
};

/// "*Connector Motion": a connector boundary condition in one step, with the
/// same forms as a displacement; its data lines cite the element set of the
/// condition's connector wires (`regionName`) and one component each.
class oif_ConnectorMotion : public oif_Boundary {
 public:
  oif_ConnectorMotion(const oif_KeywordForm& form, std::shared_ptr<const kbcC_BoundaryCondition> condition,
                      std::size_t step, std::shared_ptr<const cow_String> regionName, LoadCases loadCases,
                      bool complex, double scale);
  zkw_Keyword* Clone() const override { return new oif_ConnectorMotion(*this); }
};
