#include "oif/impl/oif_EigenProcedures.h"

#include "oif/impl/oif_ProcedureLines.h"

oif_Frequency::oif_Frequency(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_FrequencyStep>(step, "oif_Frequency", __LINE__)) {}

void oif_Frequency::Write(utl_Stream& stream) const {
  const bool lanczos = step_.eigensolver == kprC_FrequencyStep::EIGENSOLVER_LANCZOS;
  oif_KeywordLine line(stream, "*Frequency");
  switch (step_.eigensolver) {
    case kprC_FrequencyStep::EIGENSOLVER_LANCZOS:
      line.Param("eigensolver", "Lanczos");
      line.Param("acoustic coupling", step_.acousticCoupling != kprC_FrequencyStep::COUPLING_OFF ? "on" : "off");
      break;
    case kprC_FrequencyStep::EIGENSOLVER_SUBSPACE:
      line.Param("eigensolver", "subspace");
      break;
    case kprC_FrequencyStep::EIGENSOLVER_AMS:
      line.Param("eigensolver", "AMS");
      if (step_.acousticCoupling == kprC_FrequencyStep::COUPLING_OFF) line.Param("acoustic coupling", "off");
      if (step_.acousticCoupling == kprC_FrequencyStep::COUPLING_PROJECTION)
        line.Param("acoustic coupling", "projection");
      if (!step_.dampingProjection) line.Param("damping projection", "off");
      break;
  }
  line.Param("normalization",
             step_.normalization == kprC_FrequencyStep::NORMALIZATION_MASS ? "mass" : "displacement");
  if (lanczos) {
    line.Param("number interval", step_.numberInterval);
    if (step_.boundaries.empty())
      line.Param("bias", step_.bias);
    else
      line.Flag("user boundaries");
  }
  if (mdl_IsSet(step_.propertyEvaluation)) {
    line.Flag("property evaluation = ");
    stream << step_.propertyEvaluation;
  }
  line.End();

  if (lanczos) {
    oif_WriteValues(stream, step_.numEigen, step_.minFrequency, step_.maxFrequency, step_.shift, step_.blockSize,
                    step_.maxBlocks);
    if (!step_.boundaries.empty() && !step_.omitBoundaries) {
      // Every boundary ends with its separator.
      oif_DataLine data(stream);
      for (double boundary : step_.boundaries) data << boundary;
      data.EndWithSeparator();
    }
  } else if (step_.eigensolver == kprC_FrequencyStep::EIGENSOLVER_SUBSPACE) {
    oif_WriteValues(stream, step_.vectors, step_.maxIterations);
  }
}

oif_Buckle::oif_Buckle(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_BuckleStep>(step, "oif_Buckle", __LINE__)) {}

void oif_Buckle::Write(utl_Stream& stream) const {
  const bool lanczos = step_.eigensolver == kprC_BuckleStep::EIGENSOLVER_LANCZOS;
  oif_KeywordLine line(stream, "*Buckle");
  if (lanczos) line.Param("eigensolver", "lanczos");
  line.End();
  if (lanczos)
    oif_WriteValues(stream, step_.numEigen, step_.minEigen, step_.maxEigen, step_.blockSize, step_.maxBlocks);
  else
    oif_WriteValues(stream, step_.numEigen, step_.maxEigen, step_.vectors, step_.maxIterations);
}

oif_ComplexFrequency::oif_ComplexFrequency(const kprC_Step& step)
    : step_(nex_canDynamicCastRef<kprC_ComplexFrequencyStep>(step, "oif_ComplexFrequency", __LINE__)) {}

void oif_ComplexFrequency::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Complex Frequency").Param("friction damping", step_.frictionDamping ? "YES" : "NO").End();
  // The upper bound is stated when it bounds anything or a lower bound is given.
  const bool bounded = step_.maxFrequency < 1e18 || mdl_IsSet(step_.minFrequency);
  oif_WriteValues(stream, step_.numEigen, step_.minFrequency, bounded ? step_.maxFrequency : mdl_UnsetDouble,
                  step_.shift != 0.0 ? step_.shift : mdl_UnsetDouble);
}
