#pragma once
// Amplitudes: named functions of time (or frequency) that conditions cite by
// name. Every amplitude is one kamC_Amplitude of a definition kind
// (kamC_AmplitudeKind); the kinds are a closed set described once, in the
// kind table (kamC_AmplitudeTable()): class name, name in the model file,
// the layout of its values. The concrete class of an amplitude is
// kamC_AmplitudeOf<kind> (kamC_Tabular, ...), so that its DynTypeId() tells
// the kind.
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "modeldb/mdl_Object.h"
#include "modeldb/omu_PrimEnum.h"

enum class kamC_AmplitudeKind : int {
  Tabular, SmoothStep, EquallySpaced, Periodic, Modulated, Decay, SolutionDependent, PsdDefinition, Spectrum,
  Count
};
inline constexpr int kamC_AmplitudeKindCount = int(kamC_AmplitudeKind::Count);

/// How the values of a kind are given.
enum class kamC_Layout : unsigned char {
  Pairs,        ///< (time, value) pairs
  Values,       ///< equally spaced values
  Periodic,     ///< (A, B) coefficient pairs, with frequency, start and A0
  Fixed,        ///< a fixed number of values
  Rows,         ///< rows of three values
};

struct kamC_AmplitudeInfo {
  kamC_AmplitudeKind kind{};
  const char* className = nullptr;  ///< "kamC_Tabular"
  const char* fileName = nullptr;   ///< kind in the model file ("tabular")
  kamC_Layout layout{};
  int valueCount = 0;                ///< Fixed: the number of values; Rows: values per row
  const char* valueNames = nullptr;  ///< Fixed: what the values are, for messages
};

MDB_API std::span<const kamC_AmplitudeInfo> kamC_AmplitudeTable();
MDB_API const kamC_AmplitudeInfo& kamC_Info(kamC_AmplitudeKind kind);
/// The row whose model-file name is `fileName`, or nullptr.
MDB_API const kamC_AmplitudeInfo* kamC_FindKind(std::string_view fileName);

/// Texts of kamC_Amplitude::TimeSpanEnm, kamC_Spectrum::SpectrumTypeEnm and
/// kamC_PsdDefinition::PsdTypeEnm.
MDB_API const omu_PrimEnumBase& kamC_TimeSpanEnum();
MDB_API const omu_PrimEnumBase& kamC_SpectrumTypeEnum();
MDB_API const omu_PrimEnumBase& kamC_PsdTypeEnum();

/// Base of the model's amplitudes (time, spectrum and power spectral density definitions).
class MDB_API kamC_Amplitude : public mdl_Object {
 public:
  enum TimeSpanEnm : int { STEP_TIME = 0, TOTAL_TIME = 1 };
  enum SpectrumTypeEnm : int { SPECTRUM_DISPLACEMENT = 0, SPECTRUM_VELOCITY = 1, SPECTRUM_ACCELERATION = 2,
                               SPECTRUM_GRAVITY = 3 };
  enum PsdTypeEnm : int { PSD_BASE = 0, PSD_FORCE = 1 };

  kamC_Amplitude(std::string name, kamC_AmplitudeKind kind);
  ~kamC_Amplitude() override;

  kamC_AmplitudeKind Kind() const noexcept { return kind_; }
  const kamC_AmplitudeInfo& Info() const { return kamC_Info(kind_); }

  TimeSpanEnm timeSpan = STEP_TIME;
  /// Tabular and equally spaced: smoothing; the unset marker when not given.
  double smoothing = mdl_UnsetDouble;
  /// The values in the kind's layout: pairs flattened, values, coefficient
  /// pairs flattened, the fixed values, or rows of three flattened.
  std::vector<double> data;
  /// Tabular and equally spaced: the baseline correction's interval bounds.
  bool hasBaselineCorrection = false;
  std::vector<double> baselineCorrection;
  /// Equally spaced.
  double fixedInterval = 0.0;
  double begin = 0.0;
  /// Periodic: circular frequency, starting time, initial value A0.
  double frequency = 0.0;
  double start = 0.0;
  double a0 = 0.0;
  /// Spectrum and power spectral density.
  double g = 0.0;
  SpectrumTypeEnm spectrumType = SPECTRUM_ACCELERATION;
  double dbReference = 0.0;
  PsdTypeEnm psdType = PSD_FORCE;
  bool user = false;

 private:
  kamC_AmplitudeKind kind_;
};

/// The concrete class of the amplitudes of one kind.
template <kamC_AmplitudeKind K>
class kamC_AmplitudeOf final : public kamC_Amplitude {
 public:
  explicit kamC_AmplitudeOf(std::string name) : kamC_Amplitude(std::move(name), K) {
    if (K == kamC_AmplitudeKind::PsdDefinition) g = 1.0;
  }
};

using kamC_Tabular = kamC_AmplitudeOf<kamC_AmplitudeKind::Tabular>;
using kamC_SmoothStep = kamC_AmplitudeOf<kamC_AmplitudeKind::SmoothStep>;
using kamC_EquallySpaced = kamC_AmplitudeOf<kamC_AmplitudeKind::EquallySpaced>;
using kamC_Periodic = kamC_AmplitudeOf<kamC_AmplitudeKind::Periodic>;
using kamC_Modulated = kamC_AmplitudeOf<kamC_AmplitudeKind::Modulated>;
using kamC_Decay = kamC_AmplitudeOf<kamC_AmplitudeKind::Decay>;
using kamC_SolutionDependent = kamC_AmplitudeOf<kamC_AmplitudeKind::SolutionDependent>;
using kamC_PsdDefinition = kamC_AmplitudeOf<kamC_AmplitudeKind::PsdDefinition>;
using kamC_Spectrum = kamC_AmplitudeOf<kamC_AmplitudeKind::Spectrum>;

/// A new amplitude of a kind, of its concrete class.
MDB_API std::shared_ptr<kamC_Amplitude> kamC_Make(kamC_AmplitudeKind kind, const std::string& name);
