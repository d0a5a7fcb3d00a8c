#include "modeldb/kamC_Amplitude.h"
#include "modeldb/mdl_KindTable.h"

#include <array>
#include <utility>

#include "exceptions/nex_Exception.h"

namespace {

using K = kamC_AmplitudeKind;
using L = kamC_Layout;

constexpr kamC_AmplitudeInfo kInfos[] = {
    {K::Tabular, "kamC_Tabular", "tabular", L::Pairs, 0, nullptr},
    {K::SmoothStep, "kamC_SmoothStep", "smooth step", L::Pairs, 0, nullptr},
    {K::EquallySpaced, "kamC_EquallySpaced", "equally spaced", L::Values, 0, nullptr},
    {K::Periodic, "kamC_Periodic", "periodic", L::Periodic, 0, nullptr},
    {K::Modulated, "kamC_Modulated", "modulated", L::Fixed, 5,
     "initial value, A, circular frequency 1, circular frequency 2, starting time"},
    {K::Decay, "kamC_Decay", "decay", L::Fixed, 4, "initial value, maximum value, starting time, decay time"},
    {K::SolutionDependent, "kamC_SolutionDependent", "solution dependent", L::Fixed, 3,
     "initial value, minimum value, maximum value"},
    {K::PsdDefinition, "kamC_PsdDefinition", "power spectral density", L::Rows, 3, nullptr},
    {K::Spectrum, "kamC_Spectrum", "spectrum", L::Rows, 3, nullptr},
};

static_assert(mdl_OneRowPerKindInOrder<kamC_AmplitudeKind>(kInfos), "the amplitude table needs one row per kind, in kind order");

constexpr const char* kTimeSpans[] = {"STEP", "TOTAL"};
constexpr const char* kSpectrumTypes[] = {"DISPLACEMENT", "VELOCITY", "ACCELERATION", "GRAVITY"};
constexpr const char* kPsdTypes[] = {"BASE", "FORCE"};
constexpr omu_PrimEnumBase kTimeSpanEnum("kamC_Amplitude::TimeSpanEnm", kTimeSpans);
constexpr omu_PrimEnumBase kSpectrumTypeEnum("kamC_Spectrum::SpectrumTypeEnm", kSpectrumTypes);
constexpr omu_PrimEnumBase kPsdTypeEnum("kamC_PsdDefinition::PsdTypeEnm", kPsdTypes);

template <std::size_t... I>
std::shared_ptr<kamC_Amplitude> Make(kamC_AmplitudeKind kind, const std::string& name, std::index_sequence<I...>) {
  std::shared_ptr<kamC_Amplitude> made;
  ((kind == kamC_AmplitudeKind(I) ? (made = std::make_shared<kamC_AmplitudeOf<kamC_AmplitudeKind(I)>>(name), 0) : 0),
   ...);
  return made;
}

}  // namespace

std::span<const kamC_AmplitudeInfo> kamC_AmplitudeTable() { return kInfos; }

const kamC_AmplitudeInfo& kamC_Info(kamC_AmplitudeKind kind) {
  NEX_ASSERT(int(kind) >= 0 && int(kind) < kamC_AmplitudeKindCount);
  return kInfos[int(kind)];
}

const kamC_AmplitudeInfo* kamC_FindKind(std::string_view fileName) {
  for (const kamC_AmplitudeInfo& info : kInfos)
    if (fileName == info.fileName) return &info;
  return nullptr;
}

const omu_PrimEnumBase& kamC_TimeSpanEnum() { return kTimeSpanEnum; }
const omu_PrimEnumBase& kamC_SpectrumTypeEnum() { return kSpectrumTypeEnum; }
const omu_PrimEnumBase& kamC_PsdTypeEnum() { return kPsdTypeEnum; }

kamC_Amplitude::kamC_Amplitude(std::string name, kamC_AmplitudeKind kind) : mdl_Object(std::move(name)), kind_(kind) {}
kamC_Amplitude::~kamC_Amplitude() = default;

std::shared_ptr<kamC_Amplitude> kamC_Make(kamC_AmplitudeKind kind, const std::string& name) {
  kamC_Info(kind);
  return Make(kind, name, std::make_index_sequence<kamC_AmplitudeKindCount>());
}
