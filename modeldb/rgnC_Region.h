#pragma once
#include <string>
#include <vector>

#include "modeldb/mdb_Export.h"

class ddb_Model;

/// A region of the model: a set of the assembly or of a part instance's mesh.
/// Its path reads "rootAssembly.setData" for a set of the assembly and
/// "rootAssembly.mesh[N].setData" for a set of the mesh with index N; the
/// set's index in its owner's set list is ConstSet().
class MDB_API rgnC_Region {
 public:
  rgnC_Region() = default;
  rgnC_Region(std::string path, int setIndex) : path_(std::move(path)), set_(setIndex) {}

  static rgnC_Region OfAssemblySet(int setIndex);
  static rgnC_Region OfMeshSet(int meshIndex, int setIndex);

  /// True when the region names a set that exists in `model`.
  bool IsValid(const ddb_Model& model) const;
  const std::string& Path() const noexcept { return path_; }
  int ConstSet() const noexcept { return set_; }
  /// True for a set of the assembly: the path names no mesh.
  bool OnAssembly() const noexcept { return path_.find(".mesh[") == std::string::npos; }
  /// The mesh number the path names ("...mesh[N].setData": its leading digits,
  /// 0 without digits); 0 for a set of the assembly.
  int MeshIndex() const;

  friend bool operator==(const rgnC_Region& a, const rgnC_Region& b) {
    return a.set_ == b.set_ && a.path_ == b.path_;
  }

 private:
  std::string path_;
  int set_ = -1;
};

/// A region whose degrees of freedom a model object gives in a datum
/// coordinate system (identifier `datum`) rather than the global one.
struct MDB_API rgnC_DatumRegion {
  int datum = 0;
  rgnC_Region region;
};

using rgnC_RegionList = std::vector<rgnC_Region>;
using rgnC_DatumRegionList = std::vector<rgnC_DatumRegion>;
