#include "modeldb/korC_OutputRequest.h"

#include <tuple>

#include "modeldb/korC_OdbRequestTable.h"

korC_OutputRequest::~korC_OutputRequest() = default;
korC_FieldOutputRequest::~korC_FieldOutputRequest() = default;
korC_HistoryOutputRequest::~korC_HistoryOutputRequest() = default;

namespace {
int DefaultFrequency(unsigned procedureType) { return kprC_IsImplicitModal(procedureType) ? 10 : 1; }
int DefaultNumberInterval(int channel) { return channel == kprC_HistoryChannel ? 200 : 20; }
}  // namespace

korC_OdbRequest::korC_OdbRequest(int channel_, unsigned procedureType_)
    : channel(channel_),
      procedureType(procedureType_),
      frequencyKind(korC_DefaultOutputType(procedureType_, channel_)),
      frequency(DefaultFrequency(procedureType_)),
      numberInterval(DefaultNumberInterval(channel_)),
      timeMarks(!kprC_IsExplicit(procedureType_)),
      preselect(true) {}

korC_OdbRequest::korC_OdbRequest(const korC_OutputRequest& request, std::size_t step, unsigned procedureType_)
    : korC_OdbRequest(request.Channel(), procedureType_) {
  const korC_OutputRequestState& state = request.ConstGetState(step);
  name = request.name();
  auto allowed = [&](int kind) { return kprC_FrequencyKindIsAllowed(procedureType, kind); };
  if (state.frequency.IsSet() && allowed(kprC_EveryIncrements)) {
    frequencyKind = kprC_EveryIncrements;
    frequency = state.frequency.ConstGet();
  } else if (state.numberInterval.IsSet() && allowed(kprC_NumberInterval)) {
    frequencyKind = kprC_NumberInterval;
    numberInterval = state.numberInterval.ConstGet();
  } else if (state.timeInterval.IsSet() && allowed(kprC_TimeInterval)) {
    frequencyKind = kprC_TimeInterval;
    timeInterval = state.timeInterval.ConstGet();
  } else if (state.timePoints.IsSet() && allowed(kprC_TimePoints)) {
    frequencyKind = kprC_TimePoints;
    timePoints = state.timePoints.ConstGet();
  } else if (state.modes.IsSet() && allowed(kprC_ModeList)) {
    frequencyKind = kprC_ModeList;
    modes = state.modes.ConstGet();
  }
  if (state.timeMarks.IsSet()) timeMarks = state.timeMarks.ConstGet();
  const int preset = state.preset.IsSet() ? state.preset.ConstGet() : korC_Selected;
  preselect = preset == korC_Preselect;
  all = preset == korC_All;
  if (state.variables.IsSet()) variables = state.variables.ConstGet();
  filter = request.filter;
  domainKind = request.domainKind;
  region = request.region;
  regionSetKind = request.regionSetKind;
  entities = request.entities;
  rebar = request.rebar;
  directions = request.directions;
  sectionPoints = request.sectionPoints;
}

bool korC_OdbRequest::EqualFrequency(const korC_OdbRequest& other) const {
  if (frequencyKind != other.frequencyKind) return false;
  switch (frequencyKind) {
    case kprC_EveryIncrements: return frequency == other.frequency;
    case kprC_NumberInterval: return numberInterval == other.numberInterval && timeMarks == other.timeMarks;
    case kprC_TimeInterval: return timeInterval == other.timeInterval && timeMarks == other.timeMarks;
    case kprC_ModeList: return modes == other.modes;
    case kprC_TimePoints: return timePoints == other.timePoints && timeMarks == other.timeMarks;
    default: return true;
  }
}

bool korC_OdbRequest::SameRequest(const korC_OdbRequest& other) const {
  return channel == other.channel && EqualFrequency(other) && filter == other.filter &&
         variables == other.variables && preselect == other.preselect && all == other.all &&
         domainKind == other.domainKind && region == other.region && entities == other.entities &&
         rebar == other.rebar && directions == other.directions && sectionPoints == other.sectionPoints;
}

bool korC_OdbRequest::FrequencyBefore(const korC_OdbRequest& other) const {
  if (frequencyKind != other.frequencyKind) return frequencyKind < other.frequencyKind;
  return std::tie(frequency, numberInterval, timeInterval, timePoints, modes) <
         std::tie(other.frequency, other.numberInterval, other.timeInterval, other.timePoints, other.modes);
}
