// The keyword store of builders: order, sharing, cloning, exact keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_RawKeyword.h"
#include "test_support.h"
#include "zkw/zkw_BuilderComponent.h"

namespace {

/// A builder whose registrations the test drives directly.
class StoreBuilder : public zkw_BuilderComponent {
 public:
  using zkw_BuilderComponent::zkw_BuilderComponent;
  zkw_BuilderComponent* Clone() const override { return new StoreBuilder(*this); }
  void Build() override {}
  using zkw_BuilderComponent::AddAssemblyDefinition;
  using zkw_BuilderComponent::AddInstanceDefinition;
  using zkw_BuilderComponent::AddModelDefinition;
  using zkw_BuilderComponent::AddPartDefinition;
  using zkw_BuilderComponent::AddStepDefinition;
  using zkw_BuilderComponent::AddStepBatches;
  using TextBatch = zkw_BuilderComponent::TextBatch;
  using zkw_BuilderComponent::StepTextTarget;
};

/// A keyword line of many parameters, longer than a deck line may be.
class LongLine : public zkw_Keyword {
 public:
  zkw_Keyword* Clone() const override { return new LongLine(*this); }
  void Write(utl_Stream& stream) const override {
    oif_KeywordLine line(stream, "*Long");
    for (int i = 0; i < 40; ++i) line.Param("parameter", i);
    line.End();
  }
};

/// Writes a line, then fails.
class FailingKeyword : public zkw_Keyword {
 public:
  zkw_Keyword* Clone() const override { return new FailingKeyword(*this); }
  void Write(utl_Stream& stream) const override {
    stream << "*half written" << endl;
    throw std::runtime_error("refused");
  }
};

std::string Text(const zkw_KeywordList& list) {
  std::string out;
  for (const zkw_KeywordHandle& keyword : list) out += test::Print(*keyword);
  return out;
}

struct KeywordStore : ::testing::Test {
  odb_Odb odb = test::Model("");
  oif_ModelInfo info{odb.ddb().model("Default Model")};
  StoreBuilder builder{info};
};

TEST_F(KeywordStore, EmptyStoreAnswersEmptyListsEverywhere) {
  EXPECT_TRUE(builder.ModelDefinition().IsEmpty());
  EXPECT_TRUE(builder.PartDefinition("P").IsEmpty());
  EXPECT_TRUE(builder.InstanceDefinition("I").IsEmpty());
  EXPECT_TRUE(builder.AssemblyDefinition().IsEmpty());
  EXPECT_TRUE(builder.StepDefinition("S", "").IsEmpty());
  EXPECT_TRUE(builder.StepDefinition("S", "LC").IsEmpty());
}

TEST_F(KeywordStore, KeepsRegistrationOrderAndStoresCopies) {
  oif_RawKeyword first("*A");
  builder.AddModelDefinition(first);
  builder.AddModelDefinition(oif_RawKeyword("*B"));
  builder.AddModelDefinition(first);  // the same object twice: two copies
  EXPECT_EQ(Text(builder.ModelDefinition()), "*A\n*B\n*A\n");
  const zkw_KeywordList list = builder.ModelDefinition();
  EXPECT_NE(list[0].Get(), list[2].Get());
}

TEST_F(KeywordStore, KeysAreExactAndCaseSensitive) {
  builder.AddPartDefinition("Part", oif_RawKeyword("*upper"));
  builder.AddPartDefinition("part", oif_RawKeyword("*lower"));
  builder.AddInstanceDefinition("I-1", oif_RawKeyword("*i"));
  EXPECT_EQ(Text(builder.PartDefinition("Part")), "*upper\n");
  EXPECT_EQ(Text(builder.PartDefinition("part")), "*lower\n");
  EXPECT_TRUE(builder.PartDefinition("PART").IsEmpty());
  EXPECT_TRUE(builder.InstanceDefinition("I-1 ").IsEmpty());
}

TEST_F(KeywordStore, LoadCaseRegistrationLeavesTheStepItselfEmpty) {
  builder.AddStepDefinition("Step-1", oif_RawKeyword("*in case"), "LC1");
  EXPECT_TRUE(builder.StepDefinition("Step-1", "").IsEmpty());
  EXPECT_EQ(Text(builder.StepDefinition("Step-1", "LC1")), "*in case\n");
  builder.AddStepDefinition("Step-1", oif_RawKeyword("*step"));
  EXPECT_EQ(Text(builder.StepDefinition("Step-1", "")), "*step\n");
}

TEST_F(KeywordStore, CloneSharesListsAndIsUnaffectedByLaterRegistrations) {
  builder.AddAssemblyDefinition(oif_RawKeyword("*before"));
  std::unique_ptr<zkw_BuilderComponent> copy(builder.Clone());
  EXPECT_TRUE(copy->AssemblyDefinition().SharesWith(builder.AssemblyDefinition()));
  builder.AddAssemblyDefinition(oif_RawKeyword("*after"));
  builder.AddStepDefinition("S", oif_RawKeyword("*new step"));
  EXPECT_EQ(Text(copy->AssemblyDefinition()), "*before\n");
  EXPECT_TRUE(copy->StepDefinition("S", "").IsEmpty());
  EXPECT_EQ(Text(builder.AssemblyDefinition()), "*before\n*after\n");
}

TEST_F(KeywordStore, TextRegistrationsKeepTheirPlaceAmongKeywords) {
  auto* step = builder.StepTextTarget("S", "");
  auto* inCase = builder.StepTextTarget("S", "LC");
  EXPECT_EQ(builder.StepTextTarget("S", ""), step);
  std::vector<StoreBuilder::TextBatch> first(1), second(1);
  first[0].Add(*step, oif_RawKeyword("*one"));
  first[0].Add(*inCase, oif_RawKeyword("*case one"));
  first[0].Add(*step, oif_Comment("two"));
  builder.AddStepBatches(first);
  builder.AddStepDefinition("S", oif_RawKeyword("*kept"));
  second[0].Add(*step, oif_RawKeyword("*three"));
  builder.AddStepBatches(second);
  EXPECT_EQ(Text(builder.StepDefinition("S", "")), "*one\n** two\n*kept\n*three\n");
  EXPECT_EQ(Text(builder.StepDefinition("S", "LC")), "*case one\n");
}

TEST_F(KeywordStore, TextIsFormattedAsTheDeckStreamFormatsIt) {
  // A keyword line longer than a deck line may be is continued as the deck's
  // own stream continues it.
  const LongLine keyword;
  std::vector<StoreBuilder::TextBatch> batches(1);
  batches[0].Add(*builder.StepTextTarget("S", ""), keyword);
  builder.AddStepBatches(batches);
  const std::string text = Text(builder.StepDefinition("S", ""));
  EXPECT_EQ(text, test::Print(keyword));
  EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 1);
}

TEST_F(KeywordStore, LongTextRunsKeepEveryLineInOrder) {
  // Far more than one piece of text holds.
  auto* step = builder.StepTextTarget("S", "");
  std::vector<StoreBuilder::TextBatch> batches(1);
  std::string expected;
  for (int i = 0; i < 200000; ++i) {
    const std::string line = "*Keyword number " + std::to_string(i);
    batches[0].Add(*step, oif_RawKeyword(line));
    expected += line + "\n";
  }
  builder.AddStepBatches(batches);
  const zkw_KeywordList list = builder.StepDefinition("S", "");
  EXPECT_GT(list.Size(), 1u);
  EXPECT_EQ(Text(list), expected);
}

TEST_F(KeywordStore, BatchesJoinTheirListsInBatchOrder) {
  auto* step = builder.StepTextTarget("S", "");
  auto* inCase = builder.StepTextTarget("S", "LC");
  auto* other = builder.StepTextTarget("T", "");
  std::vector<StoreBuilder::TextBatch> batches(3);
  batches[1].Add(*step, oif_RawKeyword("*second batch"));
  batches[0].Add(*inCase, oif_RawKeyword("*first batch, case"));
  batches[0].Add(*step, oif_RawKeyword("*first batch"));
  batches[0].Add(*step, oif_Comment("still first"));
  EXPECT_TRUE(batches[0].Has(*step));
  EXPECT_FALSE(batches[1].Has(*inCase));
  EXPECT_FALSE(batches[2].Has(*step));
  EXPECT_FALSE(batches[0].Has(*other));
  builder.AddStepDefinition("S", oif_RawKeyword("*heading"));
  builder.AddStepBatches(batches);
  std::vector<StoreBuilder::TextBatch> later(1);
  later[0].Add(*step, oif_RawKeyword("*after"));
  builder.AddStepBatches(later);
  EXPECT_EQ(Text(builder.StepDefinition("S", "")),
            "*heading\n*first batch\n** still first\n*second batch\n*after\n");
  EXPECT_EQ(Text(builder.StepDefinition("S", "LC")), "*first batch, case\n");
  EXPECT_TRUE(builder.StepDefinition("T", "").IsEmpty());
}

TEST_F(KeywordStore, ABatchKeepsNoTextOfAKeywordThatFails) {
  auto* step = builder.StepTextTarget("S", "");
  std::vector<StoreBuilder::TextBatch> batches(1);
  batches[0].Add(*step, oif_RawKeyword("*before"));
  EXPECT_THROW(batches[0].Add(*step, FailingKeyword()), std::runtime_error);
  batches[0].Add(*step, oif_RawKeyword("*after"));
  builder.AddStepBatches(batches);
  EXPECT_EQ(Text(builder.StepDefinition("S", "")), "*before\n*after\n");
}

TEST(KeywordHandle, CopiesShareUntilChanged) {
  zkw_KeywordHandle a{oif_Comment("x")};
  zkw_KeywordHandle b = a;
  EXPECT_EQ(a.Get(), b.Get());
  EXPECT_EQ(a.UseCount(), 2);
  b.Change();
  EXPECT_NE(a.Get(), b.Get());
  EXPECT_EQ(a.UseCount(), 1);
  EXPECT_EQ(test::Print(*b), "** x\n");
}

}  // namespace
