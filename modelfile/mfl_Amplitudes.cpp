// Amplitudes: each of a definition kind of the amplitude table, with the
// values its layout needs.
#include "modeldb/kamC_Amplitude.h"
#include "modelfile/mfl_Conditions.h"
#include "modelfile/mfl_Steps.h"

namespace mfl {

namespace {

const kamC_AmplitudeInfo& ReadKind(const Ref& ref) {
  const std::string text = ref.AsString();
  if (const kamC_AmplitudeInfo* info = kamC_FindKind(text)) return *info;
  std::string known;
  for (const kamC_AmplitudeInfo& info : kamC_AmplitudeTable())
    known += (known.empty() ? "\"" : ", \"") + std::string(info.fileName) + "\"";
  ref.Fail("model.enum", "unknown amplitude kind \"" + text + "\"; expected one of " + known);
}

/// The members of each layout besides name, kind and time span.
Members<kamC_Amplitude> LayoutMembers(const kamC_AmplitudeInfo& info) {
  using A = kamC_Amplitude;
  Members<A> m;
  auto pairs = [](const char* what) {
    return [what](const Ref& ref, A& amplitude) {
      amplitude.data = ref.Reals();
      if (amplitude.data.size() % 2 != 0)
        ref.Fail("model.size", std::string("expected ") + what + " pairs: an even number of values, found " +
                                   std::to_string(amplitude.data.size()));
    };
  };
  auto baseline = [](const Ref& ref, A& amplitude) {
    amplitude.hasBaselineCorrection = true;
    amplitude.baselineCorrection = ref.Reals();
  };
  switch (info.layout) {
    case kamC_Layout::Pairs:
      m.Custom("pairs", pairs("(time, value)"));
      if (info.kind == kamC_AmplitudeKind::Tabular)
        m.Real("smoothing", &A::smoothing).Custom("baselineCorrection", baseline);
      break;
    case kamC_Layout::Values:
      m.Custom("values", [](const Ref& ref, A& amplitude) { amplitude.data = ref.Reals(); })
          .Real("fixedInterval", &A::fixedInterval)
          .Real("begin", &A::begin)
          .Real("smoothing", &A::smoothing)
          .Custom("baselineCorrection", baseline);
      break;
    case kamC_Layout::Periodic:
      m.Real("frequency", &A::frequency)
          .Real("start", &A::start)
          .Real("initialValue", &A::a0)
          .Custom("coefficients", pairs("(A, B) coefficient"));
      break;
    case kamC_Layout::Fixed: {
      const int count = info.valueCount;
      const char* names = info.valueNames;
      m.Custom("values", [count, names](const Ref& ref, A& amplitude) {
        amplitude.data = ref.Reals();
        if (amplitude.data.size() != std::size_t(count))
          ref.Fail("model.size", "expected " + std::to_string(count) + " values (" + names + "), found " +
                                     std::to_string(amplitude.data.size()));
      });
      break;
    }
    case kamC_Layout::Rows:
      m.Custom("rows", [](const Ref& ref, A& amplitude) {
        ref.ForEachElement([&](const Ref& row) {
          const std::vector<double> values = row.Reals();
          if (values.size() != 3) row.Fail("model.size", "a row has three values, found " + std::to_string(values.size()));
          amplitude.data.insert(amplitude.data.end(), values.begin(), values.end());
        });
      });
      if (info.kind == kamC_AmplitudeKind::Spectrum) {
        m.Real("g", &A::g).Custom("type", [](const Ref& ref, A& amplitude) {
          amplitude.spectrumType = kamC_Amplitude::SpectrumTypeEnm(ReadEnum(ref, kamC_SpectrumTypeEnum()));
        });
      } else {
        m.Real("dbReference", &A::dbReference)
            .Real("g", &A::g)
            .Custom("type", [](const Ref& ref, A& amplitude) {
              amplitude.psdType = kamC_Amplitude::PsdTypeEnm(ReadEnum(ref, kamC_PsdTypeEnum()));
            })
            .Bool("user", &A::user);
      }
      break;
  }
  return m;
}

}  // namespace

std::string ReadAmplitudeName(const Ref& ref, const ddb_ModelContents& contents) {
  std::string amplitude = ref.AsString();
  if (!contents.amplitudes.IsMember(amplitude))
    ref.Fail("model.unknown-reference", "no amplitude named \"" + amplitude + "\"");
  return amplitude;
}

void ReadAmplitudes(const Ref& amplitudes, ddb_ModelContents& contents) {
  std::map<std::string, std::size_t> seen;
  amplitudes.ForEachElement([&](const Ref& ref) {
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, "amplitude");
    const kamC_AmplitudeInfo& info = ReadKind(ref.Get("kind"));
    Members<kamC_Amplitude> members;
    members
        .Custom("timeSpan",
                [](const Ref& value, kamC_Amplitude& amplitude) {
                  amplitude.timeSpan = kamC_Amplitude::TimeSpanEnm(ReadEnum(value, kamC_TimeSpanEnum()));
                })
        .Append(LayoutMembers(info))
        .Check([&info](const Ref& owner, kamC_Amplitude& amplitude) {
          if (info.layout == kamC_Layout::Fixed) owner.Get("values");  // required
          if (info.layout == kamC_Layout::Values) owner.Get("fixedInterval");  // required
          if (info.layout == kamC_Layout::Values && amplitude.fixedInterval <= 0.0)
            owner.Get("fixedInterval").Fail("model.range", "the fixed interval is greater than 0");
        });
    auto amplitude = kamC_Make(info.kind, name);
    members.ReadObject(ref, *amplitude, {"name", "kind"});
    contents.amplitudes.Add(name, amplitude);
  });
}

}  // namespace mfl
