#pragma once
#include <utility>

#include "containers/cow.h"
#include "modeldb/rgnC_Region.h"
#include "zkw/zkw_ModelInfo.h"

/// Printable names, piece by piece, of instance-qualified names ("I.S").
bool IsQuoted(const cow_String& text);
cow_String Unquote(const cow_String& text);
/// Splits at every "."; `first` is every piece but the last, each followed by
/// ".", `second` the last piece.
std::pair<cow_String, cow_String> SplitQualified(const cow_String& text);
/// Every piece that is not already quoted is made printable; pieces are
/// joined again with ".".
cow_String PrintableQualified(const cow_String& text);

/// The set or surface name by which a keyword cites a region. Level 2 is the
/// instance-qualified name cited at assembly level, level 1 the bare name
/// cited inside a part.
class oif_SetName {
 public:
  oif_SetName(const rgnC_Region& region, zkw_ModelInfo& info);

  cow_String Name(int level) const;
  /// Replaces the stored label, then as Name(level).
  cow_String Name(const cow_String& label, int level);
  /// As Name(); a node set cited as a surface becomes the surface
  /// "I_S_CNS_" (dots replaced by "_").
  cow_String SurfaceName(int level) const;

  const cow_String& Label() const noexcept { return label_; }
  const cow_String& Instance() const noexcept { return instance_; }
  bool IsNodeSet() const noexcept { return nodeSet_; }

 private:
  cow_String Qualified(int level) const;

  cow_String label_;
  cow_String instance_;
  bool nodeSet_ = false;
};
