#include "oif/impl/oif_Submodel.h"

#include "oif/impl/oif_KeywordLine.h"

oif_Submodel::oif_Submodel(const kbcC_BoundaryCondition& condition, bool shellToSolid, double shellThickness,
                           const cow_String& regionName)
    : shellToSolid_(shellToSolid),
      globalElset_(condition.globalElset),
      shellThickness_(shellThickness),
      absoluteExteriorTolerance_(condition.absoluteExteriorTolerance),
      exteriorTolerance_(condition.exteriorTolerance),
      regions_{regionName} {}

bool oif_Submodel::SameParameters(const oif_Submodel& other) const {
  return shellToSolid_ == other.shellToSolid_ && globalElset_ == other.globalElset_ &&
         shellThickness_ == other.shellThickness_ && absoluteExteriorTolerance_ == other.absoluteExteriorTolerance_ &&
         exteriorTolerance_ == other.exteriorTolerance_;
}

void oif_Submodel::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Submodel");
  if (shellToSolid_) line.Flag("shell to solid");
  if (shellThickness_ != 0.0) line.Param("shell thickness", shellThickness_);
  if (absoluteExteriorTolerance_ != 0.0) line.Param("absolute exterior tolerance", absoluteExteriorTolerance_);
  if (exteriorTolerance_ != 0.0) line.Param("exteriorTolerance", exteriorTolerance_);
  if (!globalElset_.empty()) line.Name("global elset", globalElset_);
  line.End();
  for (const cow_String& region : regions_) {
    oif_DataLine data(stream);
    data << region;
    data.Empty();
    data.End(true);  // the region and ", "
  }
}
