// Module use counts, exceptions and checked casts.
#include <gtest/gtest.h>

#include "exceptions/nex_Exception.h"
#include "modeldb/kprC_Step.h"
#include "oif/oif_Module.h"
#include "zkw/zkw_Job.h"

namespace {

TEST(Modules, CallerCounterChangesOnFirstSetUpAndLastTearDownOnly) {
  int count = 0;
  DDB_OIF_initialize(count);  // itself, the framework and the writer module
  EXPECT_EQ(count, 3);
  DDB_OIF_initialize(count);
  EXPECT_EQ(count, 3);
  int other = 0;
  zkw_initialize(other);  // already set up through the first call
  EXPECT_EQ(other, 0);
  zkw_finalize(other);
  DDB_OIF_finalize(count);
  EXPECT_EQ(count, 3);
  DDB_OIF_finalize(count);
  EXPECT_EQ(count, 0);
  oif_initialize(other);
  EXPECT_EQ(other, 1);
  oif_finalize(other);
  EXPECT_EQ(other, 0);
}

TEST(Exceptions, ThrowRecordsWhereAndKeepsTheDynamicType) {
  try {
    nex_TextException("Unimplemented load type conversion").Throw("oif_LoadBuilder", 77);
    FAIL() << "nothing thrown";
  } catch (const nex_Exception& error) {
    EXPECT_NE(dynamic_cast<const nex_TextException*>(&error), nullptr);
    EXPECT_EQ(error.Message(), "Unimplemented load type conversion");
    EXPECT_EQ(error.SourceFile(), "oif_LoadBuilder");
    EXPECT_EQ(error.Line(), 77);
    EXPECT_STREQ(error.what(), "Unimplemented load type conversion (oif_LoadBuilder:77)");
  }
  EXPECT_THROW(NEX_ASSERT(1 + 1 == 3), nex_AssertException);
}

TEST(Exceptions, CheckedCastPassesOrNamesBothTypes) {
  const kprC_Step& initial = kprC_InitialStep("Initial");
  const kprC_Step& analysis = kprC_StaticStep("Load");
  EXPECT_EQ(&nex_canDynamicCastRef<kprC_AnalysisStep>(analysis, "oif_FinalBuilder", 94), &analysis);
  try {
    nex_canDynamicCastRef<kprC_AnalysisStep>(initial, "oif_FinalBuilder", 94);
    FAIL() << "nothing thrown";
  } catch (const nex_AssertException& error) {
    EXPECT_EQ(error.SourceFile(), "oif_FinalBuilder");
    EXPECT_EQ(error.Line(), 94);
    EXPECT_NE(error.Message().find("kprC_InitialStep"), std::string::npos);
    EXPECT_NE(error.Message().find("kprC_AnalysisStep"), std::string::npos);
  }
}

}  // namespace
