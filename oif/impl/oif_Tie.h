#pragma once
// "*Tie": a tie constraint of the model, or a tie made without a model object.
#include <memory>

#include "modeldb/kcoC_Constraint.h"
#include "zkw/zkw_Keyword.h"
#include "zkw/zkw_ModelInfo.h"

class oif_Tie : public zkw_Keyword {
 public:
  /// A tie of the model; its surfaces are cited by the names of its regions
  /// (a node set as its node-based surface). `cyclicSymmetry`: the tie joins
  /// the faces of a cyclic-symmetry sector.
  oif_Tie(const cow_String& name, std::shared_ptr<const kcoC_Tie> tie, bool cyclicSymmetry, zkw_ModelInfo& info);
  /// A tie without a model object: a position tolerance (written when greater
  /// than 0) and the slave and master surface names.
  oif_Tie(const cow_String& name, double positionTolerance, const cow_String& slaveSurface,
          const cow_String& masterSurface);

  zkw_Keyword* Clone() const override { return new oif_Tie(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  std::shared_ptr<const kcoC_Tie> tie_;
  double positionTolerance_ = 0.0;
  cow_String slave_, master_;
  bool cyclicSymmetry_ = false;
};
