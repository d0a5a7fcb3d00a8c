#include "oif/impl/oif_Boundary.h"

#include "oif/impl/oif_KeywordLine.h"
#include "textstream/aio_ios.h"

namespace {

/// "region, d, d" and, unless the condition is fixed, the value times the
/// scale factor; a product of exactly 0 is left off.
void DofLine(utl_Stream& stream, const cow_String& region, int dof, double value, bool fixed, double scale) {
  oif_DataLine line(stream);
  line << region << dof << dof;
  const double product = value * scale;
  if (!fixed && product != 0.0) line << product;
  line.End();
}

}  // namespace

oif_Boundary::oif_Boundary(const oif_KeywordForm& form, std::shared_ptr<const kbcC_BoundaryCondition> condition,
                           std::size_t step, std::shared_ptr<const cow_String> regionName, LoadCases loadCases,
                           bool complex, double scale, bool shellToSolid)
    : condition_(std::move(condition)),
      regionName_(std::move(regionName)),
      step_(step),
      scale_(scale),
      form_(form),
      loadCases_(loadCases),
      complex_(complex),
      shellToSolid_(shellToSolid) {
  if (condition_->Kind() != kbcC_BCKind::Submodel) return;
  const kbcC_BCState& state = condition_->ConstGetStateQuad(step_);
  const bool fixed = state.fixed.IsSet() && state.fixed.ConstGet();
  if (!form_.removed && !fixed) {
    aio_ios ios;
    ios.attach(submodelLine_);
    utl_Stream stream(ios, 0, 6, 6);
    oif_KeywordLine line(stream, "*Boundary");
    line.OpNew(form_.opNew).Flag("submodel").Name("step", condition_->globalStep);
    if (condition_->globalIncrement > 0) line.Param("inc", condition_->globalIncrement);
    if (condition_->timeScale) line.Flag("timescale");
    line.End();
  }
}

oif_ConnectorMotion::oif_ConnectorMotion(const oif_KeywordForm& form,
                                         std::shared_ptr<const kbcC_BoundaryCondition> condition, std::size_t step,
                                         std::shared_ptr<const cow_String> regionName, LoadCases loadCases,
                                         bool complex, double scale)
    : oif_Boundary(form, std::move(condition), step, std::move(regionName), loadCases, complex, scale, false) {
  connector_ = true;
}

void oif_Boundary::Group(const oif_Boundary& other) { grouped_.push_back(other); }

void oif_Boundary::WriteLine(utl_Stream& stream, int loadCase) const {
  const kbcC_BCInfo& info = condition_->Info();
  if (info.IsConnector() != connector_) {
    if (connector_)
      nex_TextException("Unimplemented ConnectorMotion condition in input file.").Throw("oif_ConnectorMotion", __LINE__);
    nex_TextException("Unimplemented boundary condition in input file.").Throw("oif_Boundary", __LINE__);
  }
  const kbcC_BCState& state = condition_->ConstGetStateQuad(step_);
  oif_KeywordLine line(stream, connector_ ? "*Connector Motion" : "*Boundary");
  line.OpNew(form_.opNew);
  if (form_.removed) {
    if (loadCase != 0) line.Param("load case", loadCase);
    line.End();
    return;
  }
  if (state.amplitude.IsSet() && !state.amplitude.ConstGet().empty()) line.Name("amplitude", state.amplitude.ConstGet());
  if (loadCase != 0) line.Param("load case", loadCase);
  if (state.fixed.IsSet() && state.fixed.ConstGet()) line.Flag("fixed");
  if (info.distributed && condition_->distribution == kbcC_BoundaryCondition::DISTRIBUTION_USER) line.Flag("user");
  if (info.typeParam) line.Param("type", info.typeParam);
  line.End();
}

void oif_Boundary::WriteData(utl_Stream& stream, int loadCase) const {
  const kbcC_BCInfo& info = condition_->Info();
  const kbcC_BCState& state = condition_->ConstGetStateQuad(step_);
  const bool fixed = state.fixed.IsSet() && state.fixed.ConstGet();
  switch (info.form) {
    case kbcC_BCForm::Motion:
    case kbcC_BCForm::ConnectorMotion: {
      const auto& values = complex_ && loadCase == 2 ? state.imag : state.real;
      for (int d = 1; d <= 6; ++d) {
        const mdl_PropAttr<double>& value = values[std::size_t(d - 1)];
        if (!form_.Due(value.State())) continue;
        if (info.IsConnector()) {
          oif_DataLine line(stream);
          line << Region() << d;
          const double product = value.ConstGet() * scale_;
          if (!fixed && product != 0.0) line << product;
          line.End();
        } else {
          DofLine(stream, Region(), d, value.ConstGet(), fixed, scale_);
        }
      }
      break;
    }
    case kbcC_BCForm::Type:
      if (form_.Due(state.type.State())) {
        oif_DataLine line(stream);
        line << Region() << kbcC_TypeEnum().GetString(state.type.ConstGet());
        line.End();
      }
      break;
    case kbcC_BCForm::Field: {
      const mdl_PropAttr<double>& value = state.real[0];
      if (!form_.Due(value.State())) break;
      if (condition_->dofs.empty()) {
        DofLine(stream, Region(), info.dof, value.ConstGet(), fixed, scale_);
      } else {
        for (int dof : condition_->dofs) DofLine(stream, Region(), dof, value.ConstGet(), fixed, scale_);
      }
      break;
    }
    case kbcC_BCForm::Submodel:
      WriteSubmodelData(stream);
      break;
  }
}

void oif_Boundary::WriteSubmodelData(utl_Stream& stream) const {
  for (int dof : condition_->dofs) {
    oif_DataLine line(stream);
    line << Region() << dof << dof;
    line.End();
  }
  if (shellToSolid_) {
    const kbcC_BCState& state = condition_->ConstGetStateQuad(step_);
    double thickness = state.shellThickness.IsSet() ? state.shellThickness.ConstGet() : 0.0;
    if (thickness <= 0.0) thickness = 0.1 * condition_->length;
    oif_DataLine line(stream);
    line << Region() << thickness;
    line.End();
  }
}

void oif_Boundary::Write(utl_Stream& stream) const {
  if (IsSubmodelDriven()) {
    stream << submodelLine_;
    WriteSubmodelData(stream);
    for (const oif_Boundary& other : grouped_) other.WriteSubmodelData(stream);
    return;
  }
  if (loadCases_ == NoLoadCase) {
    WriteLine(stream, 0);
    if (!form_.removed) WriteData(stream, 0);
    return;
  }
  for (int loadCase : {1, 2}) {
    if ((loadCases_ & loadCase) == 0) continue;
    WriteLine(stream, loadCase);
    if (!form_.removed) WriteData(stream, loadCase);
  }
}
