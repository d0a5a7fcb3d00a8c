// The member tables every reader of the model file is made of: which members
// an object may have, the order they are read in, and where a refusal points.
#include <gtest/gtest.h>

#include "modelfile/mfl_Members.h"

namespace {

using mfl::Members;
using mfl::Ref;

struct Item {
  double value = 0.0;
  std::string label;
};

struct Sample {
  std::string name;
  int count = 0;
  bool flag = false;
  std::string kind;
  Item item;
  std::vector<Item> items;
  std::vector<std::string> trace;  // the order members and checks ran in
};

const mfl::EnumTable<std::string> kKinds = {{"a", "A"}, {"b", "B"}};

const Members<Item>& ItemMembers() {
  static const Members<Item> members = [] {
    Members<Item> m;
    m.Number("value", &Item::value).Required().String("label", &Item::label);
    return m;
  }();
  return members;
}

const Members<Sample>& SampleMembers() {
  static const Members<Sample> members = [] {
    Members<Sample> m;
    m.Name("name", &Sample::name)
        .Required()
        .Allow({"later"})
        .Int("count", &Sample::count, 1)
        .Check([](const Ref& owner, Sample& s) {
          s.trace.push_back(owner.Has("count") ? "check after count " + std::to_string(s.count) : "check");
        })
        .Group({"first", "second"},
               [](const Ref& owner, Sample& s) {
                 // Read together, second before first.
                 if (owner.Has("second")) s.trace.push_back("second " + owner.Get("second").AsString());
                 if (owner.Has("first")) s.trace.push_back("first " + owner.Get("first").AsString());
               })
        .Bool("flag", &Sample::flag)
        .Enum("kind", &Sample::kind, kKinds, "sample kind")
        .Object("item", &Sample::item, ItemMembers())
        .Objects("items", &Sample::items, ItemMembers());
    return m;
  }();
  return members;
}

struct MemberTables : ::testing::Test {
  Sample Read(const std::string& json) {
    document = std::make_unique<mfl::Document>(mfl::Document::Parse(json, "sample.json"));
    Sample sample;
    SampleMembers().ReadObject(Ref(*document, document->Root(), ""), sample, {"id"});
    return sample;
  }
  /// "id pointer: problem" of the refusal of `json`, or "" when it reads.
  std::string Refusal(const std::string& json) {
    try {
      Read(json);
    } catch (const mfl_ModelFileError& error) {
      return error.Id() + " " + error.Pointer() + ": " + error.Problem();
    }
    return "";
  }
  std::unique_ptr<mfl::Document> document;
};

TEST_F(MemberTables, ListedMembersAreReadInTheTablesOrder) {
  const Sample s = Read(R"({"items": [{"value": 2}, {"value": 3, "label": "c"}], "item": {"value": 1.5},
                            "kind": "b", "flag": true, "first": "x", "second": "y", "count": 4, "name": "S",
                            "id": 7, "later": 0})");
  EXPECT_EQ(s.name, "S");
  EXPECT_EQ(s.count, 4);
  EXPECT_TRUE(s.flag);
  EXPECT_EQ(s.kind, "B");
  EXPECT_EQ(s.item.value, 1.5);
  ASSERT_EQ(s.items.size(), 2u);
  EXPECT_EQ(s.items[1].value, 3.0);
  EXPECT_EQ(s.items[1].label, "c");
  // The check runs at its place (after "count"), the group reads its members its own way.
  EXPECT_EQ(s.trace, (std::vector<std::string>{"check after count 4", "second y", "first x"}));
  // Checks and groups run when their members are not given.
  EXPECT_EQ(Read(R"({"name": "S"})").trace, std::vector<std::string>{"check"});
}

TEST_F(MemberTables, OtherMembersAreRefusedWithTheListInTheTablesOrder) {
  EXPECT_EQ(Refusal(R"({"name": "S", "size": 1})"),
            "model.unknown-member /size: unknown member 'size'; expected one of: id, name, later, count, first, "
            "second, flag, kind, item, items");
  EXPECT_EQ(Refusal(R"({"name": "S", "item": {"value": 1, "unit": "m"}})"),
            "model.unknown-member /item/unit: unknown member 'unit'; expected one of: value, label");
  EXPECT_EQ(Refusal(R"([1, 2])"), "model.type : expected an object, found an array");
}

TEST_F(MemberTables, RefusalsPointAtTheMember) {
  EXPECT_EQ(Refusal(R"({"count": 2})"), "model.missing-member : missing member 'name'");
  EXPECT_EQ(Refusal(R"({"name": "S", "count": 0})"), "model.range /count: expected an integer of at least 1");
  EXPECT_EQ(Refusal(R"({"name": "S", "items": [{"value": 1}, {"label": "x"}]})"),
            "model.missing-member /items/1: missing member 'value'");
  EXPECT_EQ(Refusal(R"({"name": "S", "kind": "c"})"),
            "model.enum /kind: unknown sample kind \"c\"; expected one of: \"a\", \"b\"");
  // The first member of the list that is wrong is refused, whatever the file's order.
  EXPECT_EQ(Refusal(R"({"flag": 1, "name": "S", "count": -1})"),
            "model.range /count: expected an integer of at least 1");
}

TEST_F(MemberTables, AppendedMembersFollowAndNamesListEveryMember) {
  Members<Sample> m;
  m.Custom("extra", [](const Ref& ref, Sample& s) { s.trace.push_back("extra " + ref.AsString()); })
      .Append(SampleMembers());
  EXPECT_EQ(m.Names(), (std::vector<std::string_view>{"extra", "name", "later", "count", "first", "second", "flag",
                                                      "kind", "item", "items"}));
  document = std::make_unique<mfl::Document>(mfl::Document::Parse(R"({"name": "S", "extra": "e"})", "s.json"));
  Sample s;
  m.ReadObject(Ref(*document, document->Root(), ""), s);
  EXPECT_EQ(s.trace, (std::vector<std::string>{"extra e", "check"}));
}

}  // namespace
