// The keyword store of builders: order, sharing, cloning, exact keys.
#include <gtest/gtest.h>

#include "oif/impl/oif_Comment.h"
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
