// The output variable catalogue and the procedure table it is read with:
// every row hangs together, and every procedure has its defaults.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "modeldb/korC_OdbRequestTable.h"

namespace {

bool KnownKind(int kind) {
  for (int known : {korC_NodeKind, korC_ElementKind, korC_ModalKind, korC_ContactKind, korC_RadiationKind,
                    korC_IncrementationKind, korC_EnergyKind, korC_CohesiveKind, korC_IntegratedKind})
    if (kind == known) return true;
  return false;
}

TEST(OutputCatalogue, EveryVariableIsNamedOnceAndEveryParentExists) {
  std::set<std::string> names;
  for (const korC_OdbRequestInfo& row : korC_OdbRequestTable::Rows()) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(names.insert(row.name).second) << "named twice";
    if (row.parent != nullptr) {
      // A component takes everything from its parent, which is a parent request.
      EXPECT_TRUE(korC_OdbRequestTable::IsParentRequest(row.parent)) << row.parent;
      EXPECT_EQ(row.printName, nullptr);
      EXPECT_TRUE(korC_OdbRequestTable::IsComponentRequest(row.name));
      EXPECT_EQ(korC_OdbRequestTable::ParentOf(row.name), korC_OdbRequestTable::Find(row.parent));
    } else {
      EXPECT_TRUE(KnownKind(row.kind));
      EXPECT_NE(row.validFor, 0u) << "valid for no procedure";
      EXPECT_NE(row.channels & korC_Both, 0u) << "on no channel";
      EXPECT_EQ(row.validFor & row.notFor, 0u);
      if (row.printName != nullptr) {
        EXPECT_TRUE(korC_OdbRequestTable::IsParentRequest(row.printName));
      }
    }
  }
  EXPECT_FALSE(korC_OdbRequestTable::IsParentRequest("NOSUCH"));
  EXPECT_FALSE(korC_OdbRequestTable::IsComponentRequest("NOSUCH"));
  EXPECT_EQ(korC_OdbRequestTable::ParentOf("NOSUCH"), nullptr);
}

TEST(OutputCatalogue, TheVariablesUsersAskFor) {
  for (const char* name : {"U", "V", "A", "RF", "RM1", "S", "MISES", "E", "LE", "PE", "PEEQ", "ALLIE", "ALLKE",
                           "ELSE", "NT", "HFL", "CPRESS", "CSLIP1", "CNORMF", "SF", "SM1", "EIGFREQ", "PF1", "SOF"})
    EXPECT_NE(korC_OdbRequestTable::Find(name), nullptr) << name;
}

TEST(OutputCatalogue, EveryProcedureHasItsDefaults) {
  for (unsigned p = 0; p < unsigned(kprC_StepKind::Count); ++p) {
    SCOPED_TRACE(kprC_Info(kprC_StepKind(p)).fileName);
    for (int channel : {int(kprC_FieldChannel), int(kprC_HistoryChannel)}) {
      const std::vector<std::string> defaults = korC_OdbRequestTable::Defaults(p, channel);
      const std::vector<std::string> all = korC_OdbRequestTable::All(p, channel);
      for (const std::string& name : defaults) {
        EXPECT_NE(korC_OdbRequestTable::Lookup(name, p, channel), nullptr) << name << " is no default here";
        EXPECT_NE(std::find(all.begin(), all.end(), name), all.end()) << name;
      }
      EXPECT_TRUE(korC_OdbRequestTable::GetInvalidPrintIdentifiers(defaults, p, channel).empty());
      // The default frequency kind is one the procedure allows.
      EXPECT_TRUE(kprC_FrequencyKindIsAllowed(p, korC_DefaultOutputType(p, channel)));
    }
    EXPECT_FALSE(korC_OdbRequestTable::Defaults(p, kprC_FieldChannel).empty());
    // Every procedure that solves for displacements has history defaults.
    const unsigned physics = kprC_Procedure(p).physics;
    if ((physics & kprC_Mechanical) != 0) {
      EXPECT_FALSE(korC_OdbRequestTable::Defaults(p, kprC_HistoryChannel).empty());
    }
    // Explicit procedures write at number intervals, eigenvalue extractions at modes.
    if (kprC_IsExplicit(p)) {
      EXPECT_EQ(korC_DefaultOutputType(p, kprC_FieldChannel), kprC_NumberInterval);
    }
    if (kprC_IsFrequencyBuckle(p)) {
      EXPECT_EQ(korC_DefaultOutputType(p, kprC_FieldChannel), kprC_ModeList);
    }
    EXPECT_EQ(kprC_ModesAreAllowed(p), kprC_IsFrequencyBuckle(p));
  }
}

TEST(OutputCatalogue, ValidityFollowsTheProcedure) {
  const unsigned staticStep = unsigned(kprC_StepKind::Static);
  const unsigned heat = unsigned(kprC_StepKind::HeatTransfer);
  const unsigned frequency = unsigned(kprC_StepKind::Frequency);
  EXPECT_EQ(korC_OdbRequestTable::GetInvalidPrintIdentifiers({"U", "MISES", "HFL", "V", "NOSUCH", "ALLIE"},
                                                             staticStep, kprC_FieldChannel),
            (std::vector<std::string>{"HFL", "V", "NOSUCH", "ALLIE"}));
  EXPECT_EQ(korC_OdbRequestTable::GetInvalidPrintIdentifiers({"ALLIE", "RF"}, staticStep, kprC_HistoryChannel),
            std::vector<std::string>());
  EXPECT_EQ(korC_OdbRequestTable::GetInvalidPrintIdentifiers({"NT", "S"}, heat, kprC_FieldChannel),
            std::vector<std::string>{"S"});
  EXPECT_EQ(korC_OdbRequestTable::GetInvalidPrintIdentifiers({"EIGFREQ", "ALLIE"}, frequency, kprC_HistoryChannel),
            std::vector<std::string>{"ALLIE"});
  EXPECT_EQ(korC_OdbRequestTable::GetUnknownIdentifiers({"U", "UU", "S11"}), std::vector<std::string>{"UU"});
}

}  // namespace
