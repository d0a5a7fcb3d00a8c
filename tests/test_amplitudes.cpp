// Amplitudes, spectra, power spectral densities and baseline corrections at
// the model level of the deck, and the spectra a response spectrum step cites.
#include <gtest/gtest.h>

#include <set>

#include "oif/impl/oif_Amplitude.h"
#include "oif/impl/oif_Spectrum.h"
#include "test_steps_support.h"

namespace {

/// The model level of a deck of a model with only amplitudes.
std::string ModelLevel(const std::string& amplitudes) {
  const std::string deck = test::Deck(test::Model(R"("amplitudes": )" + amplitudes));
  return deck.substr(deck.find("*End Assembly\n") + 14);
}

TEST(Amplitudes, PairedLayoutsWriteFourPairsALine) {
  EXPECT_EQ(ModelLevel(R"([{"name": "Five", "kind": "tabular", "pairs": [0, 0, 1, 1, 2, 4, 3, 9, 4, 16]},
                           {"name": "Soft", "kind": "smooth step", "pairs": [0, 0, 1, 1]}])"),
            R"(*Amplitude, name=Five
0., 0., 1., 1., 2., 4., 3., 9.
4., 16.
*Amplitude, name=Soft, definition=SMOOTH STEP
0., 0., 1., 1.
)");
}

TEST(Amplitudes, TotalTimeSmoothingAndBaselineCorrection) {
  EXPECT_EQ(ModelLevel(R"([{"name": "A", "kind": "tabular", "timeSpan": "TOTAL", "smoothing": 0.05,
                            "pairs": [0, 0, 2, 1], "baselineCorrection": [0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5]},
                           {"name": "B", "kind": "tabular", "pairs": [0, 1], "baselineCorrection": []}])"),
            R"(*Amplitude, name=A, time=TOTAL TIME, smooth=0.05
0., 0., 2., 1.
*Baseline Correction
0.5, 1., 1.5, 2., 2.5, 3., 3.5, 4.
4.5
*Amplitude, name=B
0., 1.
*Baseline Correction
)");
}

TEST(Amplitudes, EquallySpacedValuesEightALine) {
  EXPECT_EQ(ModelLevel(R"([{"name": "E", "kind": "equally spaced", "fixedInterval": 0.1,
                            "values": [1, 2, 3, 4, 5, 6, 7, 8, 9]},
                           {"name": "F", "kind": "equally spaced", "fixedInterval": 0.5, "begin": 2, "smoothing": 0.1,
                            "values": []}])"),
            R"(*Amplitude, name=E, definition=EQUALLY SPACED, fixed interval=0.1
1., 2., 3., 4., 5., 6., 7., 8.
9.
*Amplitude, name=F, definition=EQUALLY SPACED, smooth=0.1, fixed interval=0.5, begin=2.
)");
}

TEST(Amplitudes, PeriodicWritesItsTermsThenTheCoefficients) {
  EXPECT_EQ(ModelLevel(R"([{"name": "None", "kind": "periodic", "frequency": 6.25, "initialValue": 1},
                           {"name": "Wave", "kind": "periodic", "frequency": 3.5, "start": 0.5, "initialValue": 0,
                            "coefficients": [1, 0.5, 0.25, 0, 0.125, 0, 0, 0, 2, 2]}])"),
            R"(*Amplitude, name=None, definition=PERIODIC
0, 6.25, 0., 1.
*Amplitude, name=Wave, definition=PERIODIC
5, 3.5, 0.5, 0.
1., 0.5, 0.25, 0., 0.125, 0., 0., 0.
2., 2.
)");
}

TEST(Amplitudes, FixedValueDefinitionsWriteOneLine) {
  EXPECT_EQ(ModelLevel(R"([{"name": "D", "kind": "decay", "values": [0, 1, 0.5, 2]},
                           {"name": "M", "kind": "modulated", "values": [0, 1, 2, 3, 0.5]},
                           {"name": "S", "kind": "solution dependent", "values": [1, 0.5, 4]}])"),
            R"(*Amplitude, name=D, definition=DECAY
0., 1., 0.5, 2.
*Amplitude, name=M, definition=MODULATED
0., 1., 2., 3., 0.5
*Amplitude, name=S, definition=SOLUTION DEPENDENT
1., 0.5, 4.
)");
}

TEST(Amplitudes, SpectraAndPowerSpectralDensities) {
  EXPECT_EQ(ModelLevel(R"([{"name": "N1", "kind": "power spectral density", "rows": [[1, 2, 3]]},
                           {"name": "N2", "kind": "power spectral density", "dbReference": 0.5, "g": 2, "type": "BASE",
                            "user": true, "rows": []},
                           {"name": "Q1", "kind": "spectrum", "rows": [[0.1, 0.05, 0.5], [1, 0.05, 2]]},
                           {"name": "Q2", "kind": "spectrum", "g": 9.81, "type": "DISPLACEMENT", "rows": []}])"),
            R"(*Psd-Definition, name=N1
1., 2., 3.
*Psd-Definition, name=N2, db Reference=0.5, g=2., type=BASE, user
*Spectrum, name=Q1
0.1, 0.05, 0.5
1., 0.05, 2.

*Spectrum, name=Q2, g=9.81, type=DISPLACEMENT

)");
}

TEST(Amplitudes, KeywordsOfAnotherDefinition) {
  auto spectrum = kamC_Make(kamC_AmplitudeKind::Spectrum, "Q");
  EXPECT_NE(test::Thrown<nex_TextException>([&] { test::Print(oif_Amplitude("Q", spectrum)); })
                .find("Unknown amplitude definition (oif/impl/oif_Amplitude:241)"),
            std::string::npos);
  EXPECT_EQ(test::Print(oif_Spectrum("T", kamC_Make(kamC_AmplitudeKind::Tabular, "T"))), "");
  EXPECT_EQ(ModelLevel("[]"), "");
}

TEST(Amplitudes, ResponseSpectrumStepsNameTheirSpectra) {
  const std::string deck = test::Deck(test::Model(R"(
      "amplitudes": [{"name": "Quake", "kind": "spectrum", "rows": [[0.1, 0.05, 0.5]]}],
      "steps": [{"name": "Modes", "kind": "frequency", "eigenvalues": 5},
                {"name": "Response", "kind": "response spectrum", "summation": "SRSS",
                 "components": [{"spectrum": "Quake", "x": 1, "scale": 2}]}])"));
  EXPECT_NE(deck.find("*Response spectrum, sum=SRSS\nQuake,1., 0., 0., 2.\n"), std::string::npos) << deck;
}

TEST(AmplitudeKinds, TableRowsAreComplete) {
  std::set<std::string> names;
  for (const kamC_AmplitudeInfo& info : kamC_AmplitudeTable()) {
    SCOPED_TRACE(info.className);
    EXPECT_TRUE(names.insert(info.fileName).second);
    EXPECT_EQ(kamC_FindKind(info.fileName), &info);
    EXPECT_EQ(kamC_Make(info.kind, "A")->Kind(), info.kind);
    EXPECT_EQ(info.valueCount != 0, info.layout == kamC_Layout::Fixed || info.layout == kamC_Layout::Rows);
  }
  EXPECT_EQ(names.size(), std::size_t(kamC_AmplitudeKindCount));
}

}  // namespace
