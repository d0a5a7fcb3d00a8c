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

}  // namespace
