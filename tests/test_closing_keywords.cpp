// Text keywords and the stored text and closing keywords of every block.
#include <gtest/gtest.h>

#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_FileHeader.h"
#include "oif/impl/oif_RawKeyword.h"
#include "test_support.h"

namespace {

TEST(TextKeywords, CommentLines) {
  EXPECT_EQ(test::Print(oif_Comment("")), "");
  EXPECT_EQ(test::Print(oif_Comment("one")), "** one\n");
  EXPECT_EQ(test::Print(oif_Comment("a\n\nb\n")), "** a\n** \n** b\n** \n");
  EXPECT_EQ(test::Print(oif_Comment("\nLOADS\n")), "** \n** LOADS\n** \n");
}

TEST(TextKeywords, RawKeywordEndsItsLineOnce) {
  EXPECT_EQ(test::Print(oif_RawKeyword("")), "");
  EXPECT_EQ(test::Print(oif_RawKeyword("*End Part")), "*End Part\n");
  EXPECT_EQ(test::Print(oif_RawKeyword("*Nset, nset=A\n1, 2\n")), "*Nset, nset=A\n1, 2\n");
}

TEST(TextKeywords, FileHeaderAlwaysEndsTheLine) {
  EXPECT_EQ(test::Print(oif_FileHeader("")), "");
  EXPECT_EQ(test::Print(oif_FileHeader("*Heading")), "*Heading\n");
  EXPECT_EQ(test::Print(oif_FileHeader("*Heading\n")), "*Heading\n\n");
}

TEST(ClosingKeywords, EveryBlockGetsItsStoredTextAndClosingKeyword) {
  odb_Odb odb = test::Model(R"(
    "headKeywords": ["*Heading", "** Job: bracket"],
    "keywords": "*Physical Constants, absolute zero=-273.15\n",
    "parts": [{"name": "Bracket", "keywords": "** bracket part text"}, {"name": "Unused", "keywords": "** never"}],
    "assembly": {"name": "Assembly", "keywords": "** assembly text",
                 "instances": [{"name": "B-1", "part": "Bracket", "keywords": "** first"},
                               {"name": "Ref", "model": "Other", "keywords": "** model instance"},
                               {"name": "B-2", "part": "Bracket"}]},
    "steps": [{"name": "Initial", "kind": "initial", "keywords": "** initial text"},
              {"name": "Pull", "kind": "static", "keywords": "** pull text"},
              {"name": "Cases", "kind": "static", "loadCases": [{"name": "LC2"}, {"name": "LC1"}]}])");
  EXPECT_EQ(test::Deck(odb), R"(*Heading
** Job: bracket
**
** PARTS
**
*Part, name=Bracket
** bracket part text
*End Part
**
** ASSEMBLY
**
*Assembly, name=Assembly
*Instance, name=B-1, part=Bracket
** first
*End Instance
*Instance, name=B-2, part=Bracket
*End Instance
** assembly text
*End Assembly
*Physical Constants, absolute zero=-273.15
** initial text
** ----------------------------------------------------------------
** 
** STEP: Pull
** 
*Step, name=Pull
*Static
1., 1., 1e-05, 1.
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
** pull text
*End Step
** ----------------------------------------------------------------
** 
** STEP: Cases
** 
*Step, name=Cases
*Static
1., 1., 1e-05, 1.
*Output, field, variable=PRESELECT
*Output, history, variable=PRESELECT
** 
** LOAD CASES
** 
*Load Case, name=LC1
*Boundary, op=NEW
*End Load Case
*Load Case, name=LC2
*Boundary, op=NEW
*End Load Case
*End Step
)");
}

}  // namespace
