#pragma once
// The writer's row of every section kind (kseC_SectionKind): the keywords an
// assignment of a section of that kind registers. oif_PartAttributesBuilder
// dispatches through it.
#include <functional>
#include <memory>
#include <span>

#include "geometry/gsl_Geometry.h"
#include "modeldb/kseC_SectionKind.h"
#include "oif/impl/oif_Sections.h"
#include "zkw/zkw_Keyword.h"

class zkw_Model;

/// What a section row takes from the part attributes builder.
struct oif_SectionContext {
  std::shared_ptr<const kseC_Section> section;
  /// The element set, orientation and controls the keywords cite.
  oif_SectionNames names;
  /// The section's name, for its comment.
  cow_String sectionName;
  /// The assignment's shell offset.
  double offset;
  /// Direction of a beam's first section axis.
  gsl_Vector beamDirection;
  /// The model has an explicit step (no "*Hourglass Stiffness").
  bool explicitAnalysis;
  const zkw_Model& model;
  /// Registers a keyword in the instance.
  std::function<void(const zkw_Keyword&)> add;
};

struct oif_SectionRow {
  kseC_SectionKind kind;
  /// Registers the section's comment, keywords and companions.
  void (*add)(const oif_SectionContext& context);
};

/// One row per section kind, in kind order.
std::span<const oif_SectionRow> oif_SectionRows();
/// The row of a section's class; nullptr for a class outside the table.
const oif_SectionRow* oif_FindSectionRow(const kseC_Section& section);
