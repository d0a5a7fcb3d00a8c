#pragma once
#include "containers/cow.h"
#include "modeldb/ddb_Model.h"
#include "modeldb/rgnC_Region.h"

/// The set a region names: a set of the root assembly, or of the mesh of a
/// part instance; nullptr when the region names none.
const ddb_Set* oif_RegionSet(const ddb_Model& model, const rgnC_Region& region);

/// Finds the named set a region refers to by the set's name: first among the
/// root assembly's sets, then among the sets of each part instance's mesh, in
/// instance order.
class oif_Region {
 public:
  oif_Region(const ddb_Model& model, const rgnC_Region& region);

  bool Found() const noexcept { return found_; }
  const cow_String& SetLabel() const noexcept { return label_; }
  /// The instance whose mesh holds the set; empty for a set of the assembly.
  const cow_String& InstanceName() const noexcept { return instance_; }
  /// "INSTANCE.LABEL", or the label alone for a set of the assembly.
  cow_String QualifiedName() const;

 private:
  bool found_ = false;
  cow_String label_;
  cow_String instance_;
};
