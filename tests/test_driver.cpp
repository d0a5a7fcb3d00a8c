// The job's driver: where each block's keywords land in the deck.
#include <gtest/gtest.h>

#include "oif/impl/oif_RawKeyword.h"
#include "oif/oif_Writer.h"
#include "temp_folder.h"
#include "test_support.h"

namespace {

/// Registers one marker line in every block it can, tagged with its name.
class MarkerBuilder : public zkw_BuilderComponent {
 public:
  MarkerBuilder(zkw_ModelInfo& info, std::string tag) : zkw_BuilderComponent(info), tag_(std::move(tag)) {}
  zkw_BuilderComponent* Clone() const override { return new MarkerBuilder(*this); }
  void Build() override {
    for (const char* part : {"Bolt", "Plate", "Unknown"}) AddPartDefinition(part, Mark(std::string("part ") + part));
    for (const char* instance : {"Plate-1", "Bolt-1", "Other-1"})
      AddInstanceDefinition(instance, Mark(std::string("instance ") + instance));
    AddAssemblyDefinition(Mark("assembly"));
    AddModelDefinition(Mark("model"));
    for (const char* step : {"Initial", "Load", "Shake"}) {
      AddStepDefinition(step, Mark(std::string("step ") + step));
      AddStepDefinition(step, Mark(std::string("step ") + step + " case A"), "A");
      AddStepDefinition(step, Mark(std::string("step ") + step + " case B"), "B");
    }
  }

 private:
  oif_RawKeyword Mark(const std::string& what) const { return oif_RawKeyword("** " + tag_ + ": " + what); }
  std::string tag_;
};

const char* const kModel = R"(
  "parts": [{"name": "Plate"}, {"name": "Bolt"}],
  "assembly": {"name": "Assy", "instances": [
    {"name": "Plate-1", "part": "Plate"}, {"name": "Other-1", "model": "Sub"}, {"name": "Bolt-1", "part": "Bolt"}]},
  "steps": [{"name": "Initial", "kind": "initial"},
            {"name": "Load", "kind": "static", "loadCases": [{"name": "B"}, {"name": "A"}]},
            {"name": "Shake", "kind": "static"}])";

TEST(Driver, EveryBlockLandsInFileOrderWithBuildersInListOrder) {
  odb_Odb odb = test::Model(kModel);
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  MarkerBuilder first(info, "1"), second(info, "2");
  first.Build();
  second.Build();
  zkw_KeywordList head;
  head.Append(zkw_KeywordHandle(oif_RawKeyword("*Heading")));

  std::string deck;
  aio_ios ios;
  ios.attach(deck);
  {
    utl_Stream stream(ios, 131, 6, 6);
    oif_Builder::WriteDeck(stream, head, {zkw_BuilderHandle(first), zkw_BuilderHandle(second)}, info.Model(), true);
  }
  EXPECT_EQ(deck, R"(*Heading
**
** PARTS
**
** 1: part Plate
** 2: part Plate
** 1: part Bolt
** 2: part Bolt
**
** ASSEMBLY
**
*Assembly, name=Assy
** 1: instance Plate-1
** 2: instance Plate-1
** 1: instance Other-1
** 2: instance Other-1
** 1: instance Bolt-1
** 2: instance Bolt-1
** 1: assembly
** 2: assembly
** 1: model
** 2: model
** 1: step Initial
** 2: step Initial
** 1: step Load
** 2: step Load
** 1: step Load case A
** 2: step Load case A
** 1: step Load case B
** 2: step Load case B
** 1: step Shake
** 2: step Shake
)");
}

TEST(Driver, EmptyModelWritesBannersAndAssemblyLineOnly) {
  EXPECT_EQ(test::Deck(test::Model("")), "**\n** PARTS\n**\n**\n** ASSEMBLY\n**\n*Assembly, name=Assembly\n*End Assembly\n");
}

TEST(Driver, WritesFileNamedAfterJobAndOverwritesIdentically) {
  odb_Odb odb = test::Model(kModel);
  oif_Writer writer(odb);
  test::TempFolder folder;
  const std::string job = folder / "abc";
  writer.WriteInputFile(job.c_str());
  std::FILE* file = std::fopen((job + ".inp").c_str(), "r");
  ASSERT_NE(file, nullptr);
  std::string first(4096, '\0');
  first.resize(std::fread(first.data(), 1, first.size(), file));
  std::fclose(file);
  EXPECT_EQ(first, test::Deck(odb));
  writer.WriteInputFile(job.c_str());
  file = std::fopen((job + ".inp").c_str(), "r");
  std::string second(4096, '\0');
  second.resize(std::fread(second.data(), 1, second.size(), file));
  std::fclose(file);
  EXPECT_EQ(first, second);
}

TEST(Driver, FileThatCannotBeOpenedIsSkippedSilently) {
  odb_Odb odb = test::Model(kModel);
  test::TempFolder folder;
  const std::string job = folder / "no-such-directory/deck";
  EXPECT_NO_THROW(oif_Writer(odb).WriteInputFile(job.c_str()));
  EXPECT_EQ(std::fopen((job + ".inp").c_str(), "r"), nullptr);
  oif_ModelInfo info(odb.ddb().model("Default Model"));
  EXPECT_FALSE(oif_Builder(info).Write(job + ".inp"));
}

}  // namespace
