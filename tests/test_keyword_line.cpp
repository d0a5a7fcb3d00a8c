// The keyword-line and data-line writers every keyword class prints through.
#include <gtest/gtest.h>

#include "oif/impl/oif_KeywordLine.h"
#include "deck_support.h"

namespace {

using test::Written;

TEST(KeywordLine, ParametersUnsetValuesDefaultsAndNames) {
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_KeywordLine(s, "*Step")
                  .Name("name", "Load 1")
                  .Param("nlgeom", "YES")
                  .Param("inc", 100)
                  .Param("amplitude", mdl_UnsetInt)
                  .Param("factor", mdl_UnsetDouble)
                  .ParamUnlessDefault("convert sdi", 0, 0)
                  .ParamUnlessDefault("extrapolation", 2.5, 1.0)
                  .Flag("unsymm")
                  .End();
            }),
            "*Step, name=\"Load 1\", nlgeom=YES, inc=100, extrapolation=2.5, unsymm\n");
}

TEST(KeywordLine, LongLinesContinueAfterAComma) {
  const std::string text = Written(
      [](utl_Stream& s) {
        oif_KeywordLine line(s, "*Keyword");
        for (int i = 0; i < 6; ++i) line.Param("parameter", i);
        line.End();
      },
      40);
  EXPECT_EQ(text, "*Keyword, parameter=0, parameter=1,\nparameter=2, parameter=3, parameter=4,\nparameter=5\n");
}

// Parameters without a break candidate stay on the line however long it
// grows; the line continues only at a later candidate.
TEST(KeywordLine, NoBreakFormsKeepTheLineTogether) {
  const std::string text = Written(
      [](utl_Stream& s) {
        oif_KeywordLine(s, "*Solid Section")
            .ParamNoBreak("elset", "A-long-element-set-name")
            .NameNoBreak("material", "Steel S355")
            .FlagNoBreak("composite")
            .ParamNoBreak("factor", 2.5)
            .ParamNoBreak("count", 3)
            .ParamNoBreak("unset", mdl_UnsetDouble)
            .Param("controls", "EC-1")
            .End();
      },
      40);
  EXPECT_EQ(text,
            "*Solid Section, elset=A-long-element-set-name, material=\"Steel S355\", composite, factor=2.5, count=3,\n"
            "controls=EC-1\n");
}

TEST(KeywordLine, LiteralTextAndBreakMarks) {
  const std::string text = Written(
      [](utl_Stream& s) {
        oif_KeywordLine(s, "*Dynamic")
            .Literal(",alpha=")
            .Literal(-0.05)
            .Literal(",direct")
            .Literal(",")
            .Break()
            .Literal("nohaf")
            .Literal(",")
            .Break()
            .Literal("initial=NO")
            .End();
      },
      30);
  // At the second mark the line would end past 30 characters: it continues
  // after the first.
  EXPECT_EQ(text, "*Dynamic,alpha=-0.05,direct,\nnohaf,initial=NO\n");
}

TEST(DataLine, ValuesPerLine) {
  auto points = [](int count, int perLine) {
    return Written([&](utl_Stream& s) {
      oif_DataLine line(s);
      line.PerLine(perLine);
      for (int i = 1; i <= count; ++i) line << i;
      line.End();
    });
  };
  EXPECT_EQ(points(3, 4), "1, 2, 3\n");
  EXPECT_EQ(points(4, 4), "1, 2, 3, 4\n");
  EXPECT_EQ(points(6, 4), "1, 2, 3, 4\n5, 6\n");
  // Empty fields count as fields; one at the start of a line leaves it empty there.
  EXPECT_EQ(Written([](utl_Stream& s) {
              (oif_DataLine(s).PerLine(2) << 1 << mdl_UnsetInt << mdl_UnsetInt << 4).End();
            }),
            "1, \n, 4\n");
  EXPECT_EQ(Written([](utl_Stream& s) { (oif_DataLine(s).PerLine(2) << 1 << 2 << mdl_UnsetInt).End(true); }),
            "1, 2\n\n");
}

TEST(DataLine, EmptyFieldsInsideAndAtTheEnd) {
  EXPECT_EQ(Written([](utl_Stream& s) { (oif_DataLine(s) << 1.0 << mdl_UnsetDouble << 3).End(); }), "1., , 3\n");
  EXPECT_EQ(Written([](utl_Stream& s) { (oif_DataLine(s) << mdl_UnsetDouble << 2.5).End(); }), ", 2.5\n");
  EXPECT_EQ(Written([](utl_Stream& s) { (oif_DataLine(s) << 1 << mdl_UnsetInt << mdl_UnsetInt).End(); }), "1\n");
  EXPECT_EQ(Written([](utl_Stream& s) { (oif_DataLine(s) << 1 << mdl_UnsetInt).End(true); }), "1, \n");
  EXPECT_EQ(Written([](utl_Stream& s) { (oif_DataLine(s, ",") << "Set-1" << 1 << 1).End(); }), "Set-1,1,1\n");
  int fields = 0;
  Written([&](utl_Stream& s) {
    oif_DataLine line(s);
    line << 1 << mdl_UnsetDouble << mdl_UnsetDouble;
    fields = line.Fields();
    line.End();
  });
  EXPECT_EQ(fields, 3);
}

// Parameters that end with their separator: the beam section keywords go on
// with the profile's "section=" after the last one.
TEST(KeywordLine, ParametersEndingWithTheirSeparator) {
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_KeywordLine line(s, "*Beam Section");
              line.ParamNoBreak("elset", "B").Separator().Break();
              line.NameThenSeparator("material", "Steel S355")
                  .ParamThenSeparator("poisson", 0.3, " = ")
                  .ParamThenSeparator("temperature", "GRADIENTS")
                  .Literal("section=RECT")
                  .End();
            }),
            "*Beam Section, elset=B, material=\"Steel S355\", poisson = 0.3, temperature=GRADIENTS, section=RECT\n");
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_KeywordLine line(s, "*Beam General Section");
              line.Separator().ParamThenSeparator("dependencies", 2).ParamThenSeparator("zero", 20.0).End();
            }),
            "*Beam General Section, dependencies=2, zero=20., \n");
}

TEST(DataLine, SeparatorAfterTheLastFieldAndLinesThatGoOn) {
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_DataLine line(s);
              line << 1 << 2;
              line.EndWithSeparator();
            }),
            "1, 2, \n");
  // Empty fields at the end are kept: the separator follows every field.
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_DataLine line(s);
              line << 1.5 << mdl_UnsetDouble;
              line.EndWithSeparator();
            }),
            "1.5, , \n");
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_DataLine line(s, ",");
              line.Print(12, 7);
              line.EndWithSeparator();
            }),
            "     12,\n");
  // An empty first field, and the line goes on with another writer's values.
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_DataLine(s).Empty().Continue();
              (oif_DataLine(s) << 0.5 << 2.0).End();
            }),
            ", 0.5, 2.\n");
  // Values per line: a line that is not full ends with a separator.
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_DataLine line(s);
              line.PerLine(2);
              line << 1 << 2 << 3;
              line.Continue();
            }),
            "1, 2\n3, ");
}

TEST(DataLine, SeparatorChangingWithinTheLine) {
  // ", period,, largest increment": the third field is empty and written
  // without a blank, whether the period is given or not.
  auto line = [](double period, double largest) {
    return Written([&](utl_Stream& s) {
      oif_DataLine data(s);
      data.Empty() << period;
      if (mdl_IsSet(largest)) data.NextSeparator(",").Empty().NextSeparator(", ") << largest;
      data.End(true);
    });
  };
  EXPECT_EQ(line(1.0, 0.01), ", 1.,, 0.01\n");
  EXPECT_EQ(line(mdl_UnsetDouble, 0.01), ", ,, 0.01\n");
  EXPECT_EQ(line(1.0, mdl_UnsetDouble), ", 1.\n");
  EXPECT_EQ(line(mdl_UnsetDouble, mdl_UnsetDouble), ", \n");
  // Empty fields before a change that no value follows are left out.
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_DataLine data(s);
              data << 1 << mdl_UnsetInt;
              data.NextSeparator(",");
              data << mdl_UnsetInt;
              data.End();
            }),
            "1\n");
  // Separator() instead applies to the empty fields not yet written too.
  EXPECT_EQ(Written([](utl_Stream& s) {
              oif_DataLine data(s);
              data << 1 << mdl_UnsetInt;
              data.Separator(",") << 3;
              data.End();
            }),
            "1,,3\n");
}

TEST(DataLine, FixedFormatNamesAndInstanceNodes) {
  EXPECT_EQ(Written([](utl_Stream& s) { oif_DataLine(s).Print(1.0, 12, 15).Print(-0.5, 12, 15).End(); }),
            "          1.,         -0.5\n");
  EXPECT_EQ(Written([](utl_Stream& s) { (oif_DataLine(s).Name("Face 1") << 3).End(); }), "\"Face 1\", 3\n");
  EXPECT_EQ(Written([](utl_Stream& s) {
              (oif_DataLine(s) << 7).QualifiedLabel("Part-1-1", 12).QualifiedLabel("Arm 2", 3).End();
            }),
            "7, Part-1-1.12, \"Arm 2\".3\n");
}

}  // namespace
