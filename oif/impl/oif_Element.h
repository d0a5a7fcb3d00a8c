#pragma once
// The element keywords: the data lines of one element class (oif_Element),
// all "*Element" blocks of a part instance (oif_ElementFromMesh) and the
// connector wires of the assembly (oif_AssemblyElement).
#include "modeldb/ddb_Instance.h"
#include "modeldb/rgnC_Region.h"
#include "zkw/zkw_Keyword.h"
#include "zkw/zkw_ModelInfo.h"

/// The data lines of one element class: the element label, then the node
/// labels, 15 on the first line and 16 on each continuation line, which is
/// indented by the element label's field width plus one.
class oif_Element : public zkw_Keyword {
 public:
  /// `elementClass` must be a class of `mesh`. The offsets are carried; they
  /// do not change the labels written.
  oif_Element(int elementOffset, int nodeOffset, const ddb_ElementClass& elementClass, const ddb_Mesh& mesh);

  zkw_Keyword* Clone() const override { return new oif_Element(*this); }
  void Write(utl_Stream& stream) const override;

  int ElementOffset() const noexcept { return elementOffset_; }
  int NodeOffset() const noexcept { return nodeOffset_; }
  /// Both false for every element block this writer makes: the data lines
  /// follow the "*Element" line of their type group.
  bool SingleElement() const noexcept { return singleElement_; }
  bool OwnKeywordLine() const noexcept { return ownKeywordLine_; }

 private:
  int elementOffset_;
  int nodeOffset_;
  const ddb_ElementClass* class_;  // lives in the mesh's contents
  ddb_Mesh mesh_;
  cow_String elementSetName_;
  bool singleElement_ = false;
  bool ownKeywordLine_ = false;
  cow_String elementTypeName_;
};

/// Every "*Element" block of one part instance: one block per element type,
/// the classes of one type together in class order. Classes of surface
/// element types (the type name contains "SURF") are not written.
class oif_ElementFromMesh : public zkw_Keyword {
 public:
  oif_ElementFromMesh(const ddb_PartInstance& instance, zkw_ModelInfo& info);

  zkw_Keyword* Clone() const override { return new oif_ElementFromMesh(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  zkw_ModelInfo* info_;
  cow_String instanceName_;
  ddb_Mesh mesh_;
};

/// "*Element, type=CONN3D2": the connector wire elements of a connector
/// section assignment's region. A node of a part instance is written as the
/// instance name, "." and its label.
class oif_AssemblyElement : public zkw_Keyword {
 public:
  oif_AssemblyElement(const rgnC_Region& region, const cow_String& sectionName, zkw_ModelInfo& info);

  zkw_Keyword* Clone() const override { return new oif_AssemblyElement(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  rgnC_Region region_;
  cow_String sectionName_;
  zkw_ModelInfo* info_;
};
