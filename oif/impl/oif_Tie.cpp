#include "oif/impl/oif_Tie.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_SetName.h"

oif_Tie::oif_Tie(const cow_String& name, std::shared_ptr<const kcoC_Tie> tie, bool cyclicSymmetry,
                 zkw_ModelInfo& info)
    : name_(name),
      tie_(std::move(tie)),
      slave_(oif_SetName(tie_->Region(kcoC_Tie::Slave).region, info).SurfaceName(2)),
      master_(oif_SetName(tie_->Region(kcoC_Tie::Master).region, info).SurfaceName(2)),
      cyclicSymmetry_(cyclicSymmetry) {}

oif_Tie::oif_Tie(const cow_String& name, double positionTolerance, const cow_String& slaveSurface,
                 const cow_String& masterSurface)
    : name_(name), positionTolerance_(positionTolerance), slave_(slaveSurface), master_(masterSurface) {}

void oif_Tie::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Tie");
  line.Name("name", name_);
  if (tie_) {
    const kcoC_Tie& tie = *tie_;
    line.Param("adjust", tie.adjust ? "yes" : "no");
    if (tie.positionToleranceMethod == kcoC_Tie::Specified) line.Param("position tolerance", tie.positionTolerance);
    if (!tie.tieRotations) line.Flag("no rotation");
    if (tie.constraintRatioMethod == kcoC_Tie::Specified) line.Param("constraint ratio", tie.constraintRatio);
    if (cyclicSymmetry_) line.Flag("cyclic symmetry");
    if (tie.type == kcoC_Tie::NodeToSurface) line.Param("type", "NODE TO SURFACE");
    if (tie.type == kcoC_Tie::SurfaceToSurface) line.Param("type", "SURFACE TO SURFACE");
    if (!tie.thickness) line.Flag("no thickness");
  } else if (positionTolerance_ > 0.0) {
    line.Param("position tolerance", positionTolerance_);
  }
  line.End();
  (oif_DataLine(stream) << slave_ << master_).End();
}
