// Texts of the model file that reach the deck: no control characters, and no
// text that would change what a keyword line says.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

std::string PartNamed(const std::string& escapedName) {
  return R"("parts": [{"name": ")" + escapedName + R"("}])";
}

std::string ElementOfType(const std::string& escapedType) {
  return R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
      "elements": [{"type": ")" + escapedType + R"(", "nodesPerElement": 2, "connectivity": [1, 2]}]}}])";
}

TEST(TextChecks, NamesHoldNoControlCharacters) {
  test::ExpectRefusals({
      {PartNamed(R"(A\u0000B)"), "model.name", "/parts/0/name",
       "a name must not contain control characters: U+0000 (NUL) at character 2"},
      {PartNamed(R"(A\tB)"), "model.name", "/parts/0/name",
       "a name must not contain control characters: U+0009 (tab) at character 2"},
      {PartNamed(R"(Träger\u001b)"), "model.name", "/parts/0/name",
       "a name must not contain control characters: U+001B (escape) at character 7"},
      {PartNamed(R"(A\u007f)"), "model.name", "/parts/0/name",
       "a name must not contain control characters: U+007F (delete) at character 2"},
      {PartNamed(R"(A\u0085)"), "model.name", "/parts/0/name",
       "a name must not contain control characters: U+0085 at character 2"},
      // A carriage return or line feed would end the keyword line.
      {PartNamed(R"(A\rB)"), "model.name", "/parts/0/name", "a name must not contain double quotes or line breaks"},
      {PartNamed(R"(A\nB)"), "model.name", "/parts/0/name", "a name must not contain double quotes or line breaks"},
      {R"("steps": [{"name": "Initial", "kind": "initial"}, {"name": "S\u0001", "kind": "static"}])", "model.name",
       "/steps/1/name", "U+0001 at character 2"},
  });
  // Characters beyond ASCII are not control characters: the name is quoted.
  EXPECT_EQ(test::Refuse(PartNamed("Träger \u00e9")).id, "");
}

TEST(TextChecks, ElementTypesAreTokens) {
  test::ExpectRefusals({
      {ElementOfType("B31, elset=Injected"), "model.text", "/parts/0/mesh/elements/0/type",
       "an element type is written into the keyword line as it is and holds only letters, digits, \"_\" and \"-\"; "
       "found \",\" at character 4"},
      {ElementOfType(" "), "model.text", "/parts/0/mesh/elements/0/type", "found a blank at character 1"},
      {ElementOfType(""), "model.text", "/parts/0/mesh/elements/0/type", "an element type must not be empty"},
      {ElementOfType(R"(T3D2\u0000)"), "model.text", "/parts/0/mesh/elements/0/type",
       "found U+0000 (NUL) at character 5"},
      {ElementOfType(R"(T3D2\t)"), "model.text", "/parts/0/mesh/elements/0/type", "found U+0009 (tab) at character 5"},
      {ElementOfType("T3D2=x"), "model.text", "/parts/0/mesh/elements/0/type", "found \"=\" at character 5"},
      {ElementOfType(R"(\"T3D2\")"), "model.text", "/parts/0/mesh/elements/0/type", "found \"\"\" at character 1"},
      {ElementOfType("Tü"), "model.text", "/parts/0/mesh/elements/0/type",
       "found a character outside ASCII at character 2"},
  });
  const std::string deck =
      test::Deck(test::Model(ElementOfType("T3D2_x-1") + R"(, "assembly": {"instances": [{"name": "I", "part": "P"}]})"));
  EXPECT_NE(deck.find("\n*Element, type=T3D2_x-1\n1, 1, 2\n"), std::string::npos) << deck;
}

TEST(TextChecks, TheAssemblyNameIsWrittenUnquotedAndMustNeedNoQuotes) {
  const auto named = [](const std::string& name) { return R"("assembly": {"name": ")" + name + R"("})"; };
  test::ExpectRefusals({
      {named("Asm, x=1"), "model.name", "/assembly/name",
       "the assembly's name is written into the keyword line unquoted: it starts with a letter or \"_\" and holds "
       "only letters, digits, \"_\" and \"-\"; found \",\" at character 4"},
      {named(" "), "model.name", "/assembly/name", "found a blank at character 1"},
      {named("1st"), "model.name", "/assembly/name", "found \"1\" at character 1"},
      {named("-A"), "model.name", "/assembly/name", "found \"-\" at character 1"},
      {named(R"(A\u0000)"), "model.name", "/assembly/name", "found U+0000 (NUL) at character 2"},
      {named(""), "model.name", "/assembly/name", "a name must not be empty"},
  });
  EXPECT_EQ(test::Deck(test::Model(named("_Asm-2b"))),
            "**\n** PARTS\n**\n**\n** ASSEMBLY\n**\n*Assembly, name=_Asm-2b\n*End Assembly\n");
}

TEST(TextChecks, KeywordTextAndStepDescriptions) {
  test::ExpectRefusals({
      {R"("headKeywords": ["*Heading", "A\u0000"])", "model.text", "/headKeywords/1",
       "keyword text must not contain control characters: U+0000 (NUL) at character 2"},
      {R"("keywords": "*Heading\r\n** x")", "model.text", "/keywords",
       "keyword text must not contain control characters: U+000D (carriage return) at character 9"},
      {R"("steps": [{"name": "Initial", "kind": "initial"}, {"name": "S", "kind": "static", "description": "a\u0000"}])",
       "model.text", "/steps/1/description",
       "a step description must not contain control characters: U+0000 (NUL) at character 2"},
      {R"("steps": [{"name": "Initial", "kind": "initial"}, {"name": "S", "kind": "static", "description": "*Boundary"}])",
       "model.text", "/steps/1/description",
       "a step description must not start with \"*\": the deck would read it as a keyword line or a comment"},
      {R"("steps": [{"name": "Initial", "kind": "initial"}, {"name": "S", "kind": "static", "description": "  ** x"}])",
       "model.text", "/steps/1/description", "must not start with \"*\""},
  });
  // Tabs and line feeds are the keyword text's own; a "*" inside a description is fine.
  const std::string deck = test::Deck(test::Model(
      R"("headKeywords": "*Heading\n\tindented", "steps": [{"name": "Initial", "kind": "initial"},
          {"name": "S", "kind": "static", "description": "load * 2"}])"));
  EXPECT_EQ(deck.rfind("*Heading\n\tindented\n", 0), 0u) << deck;
  EXPECT_NE(deck.find("\nload * 2\n"), std::string::npos) << deck;
}

}  // namespace
