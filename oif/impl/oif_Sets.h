#pragma once
// The set keywords "*Nset", "*Elset" and "*Surface", the label lists they
// print (16 labels a line, or ", generate" for an arithmetic sequence) and
// the conversion of a set's region data into the user labels of a mesh.
#include <memory>
#include <vector>

#include "modeldb/ddb_Assembly.h"
#include "modeldb/ddb_Instance.h"
#include "zkw/zkw_Keyword.h"

/// User labels of a set on one mesh; for surfaces also the face identifier
/// of each element ("S1", "SPOS", "END2", ...).
struct oif_SetLabels {
  std::vector<int> labels;
  std::vector<cow_String> faces;
};

/// The labels of the subsets of `set` that lie on `mesh` (an empty mesh gives none).
oif_SetLabels oif_LabelsOnMesh(const rgnC_SetData& set, const ddb_Mesh& mesh);

/// The solver's name of face `face` (counted from 0) of an element of the
/// given shape: "END1" for lines, "S1" for solids and planar elements,
/// "SPOS" and "SNEG" for shells (face 6: no name), else the bare number.
cow_String oif_FaceIdentifier(int face, const ddb_ElementShape& shape);

/// A label list as printed: sorted without duplicates (unless kept in stored
/// order), and whether it is an arithmetic sequence of at least 3 labels.
class oif_LabelList {
 public:
  /// `keepOrder`: print in the given order, duplicates kept, never generated.
  oif_LabelList(std::vector<int> labels, bool keepOrder);

  bool IsEmpty() const noexcept { return labels_.empty(); }
  bool Generated() const noexcept { return generate_; }
  /// Generated: one line "first, last, step". Otherwise 16 labels a line,
  /// separated by ","; a line holding a single label ends in ", ".
  void Write(utl_Stream& stream) const;

 private:
  std::vector<int> labels_;
  bool generate_ = false;
  int first_ = 0, last_ = 0, step_ = 0;
};

/// "*Nset": a node set of an instance or of the assembly, or a set listing
/// other sets by name (member form).
class oif_Nset : public zkw_Keyword {
 public:
  /// On the instance's mesh, with ", instance=" naming it.
  oif_Nset(const ddb_Set& set, const ddb_PartInstance& instance, const cow_String& instanceName);
  /// On the instance's mesh, inside the instance's block.
  oif_Nset(const ddb_Set& set, const ddb_PartInstance& instance);
  /// On the assembly's own mesh.
  oif_Nset(const ddb_Set& set, const ddb_Assembly& assembly);
  /// Member form: the names are printed as they are (already printable).
  oif_Nset(const cow_String& name, const std::vector<cow_String>& members);

  zkw_Keyword* Clone() const override { return new oif_Nset(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_Nset(const ddb_Set& set, const ddb_Mesh& mesh, const cow_String& instanceName);

  std::shared_ptr<const rgnC_SetData> set_;
  ddb_Mesh mesh_;
  cow_String name_;
  cow_String instanceName_;
  std::vector<cow_String> members_;
};

/// "*Elset": an element set of an instance or of the assembly, an explicit
/// label list, or a set listing other sets by name.
class oif_Elset : public zkw_Keyword {
 public:
  oif_Elset(const ddb_Set& set, const ddb_PartInstance& instance, const cow_String& instanceName);
  oif_Elset(const ddb_Set& set, const ddb_PartInstance& instance);
  oif_Elset(const ddb_Set& set, const ddb_Assembly& assembly);
  /// An explicit list of element labels.
  oif_Elset(std::vector<int> labels, const cow_String& name, const cow_String& instanceName, bool internal);
  /// Member form (internal): the names are printed as they are.
  oif_Elset(const cow_String& name, const std::vector<cow_String>& members);

  zkw_Keyword* Clone() const override { return new oif_Elset(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_Elset(const ddb_Set& set, const ddb_Mesh& mesh, const cow_String& instanceName);

  std::shared_ptr<const rgnC_SetData> set_;
  ddb_Mesh mesh_;
  cow_String name_;
  std::vector<cow_String> members_;
  cow_String instanceName_;
  std::vector<int> labels_;
  bool internal_ = false;
};

/// "*Surface": an element-based surface of an instance (with its element
/// sets "_NAME_FACE", one per face identifier), a node-based surface over a
/// node set, or an assembly surface gathering the element-based surfaces of
/// several instances under one name.
class oif_Surface : public zkw_Keyword {
 public:
  oif_Surface(const ddb_Set& set, const ddb_PartInstance& instance, const cow_String& instanceName);
  oif_Surface(const ddb_Set& set, const ddb_PartInstance& instance);
  /// Assembly form: one sub-surface per part instance the set reaches.
  oif_Surface(const ddb_Set& set, const ddb_Assembly& assembly);
  /// Node-based form over one node set, not internal. Both names arrive
  /// printable (oif_SetName) and are printed as they are.
  oif_Surface(const cow_String& surfaceName, const cow_String& nodeSetName);

  zkw_Keyword* Clone() const override { return new oif_Surface(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  struct Face {
    cow_String identifier;
    std::vector<int> labels;
  };
  /// The element labels grouped by face identifier, in identifier order.
  std::vector<Face> Faces() const;
  cow_String FaceSetName(const cow_String& identifier) const;
  void WriteFaceSets(utl_Stream& stream, const std::vector<Face>& faces) const;
  void WriteFaceLines(utl_Stream& stream, const std::vector<Face>& faces) const;
  void WriteSurfaceLine(utl_Stream& stream, const char* type) const;

  std::shared_ptr<const rgnC_SetData> set_;
  ddb_Mesh mesh_;
  cow_String name_;
  cow_String instanceName_;
  bool internal_ = false;
  bool namePrintable_ = false;
  std::vector<cow_String> nodeSetNames_;
  std::vector<oif_Surface> subSurfaces_;
};
