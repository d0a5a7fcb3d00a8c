// *Instance positions, datum coordinate systems, *Orientation and *Transform.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "mesh_test_support.h"
#include "oif/impl/oif_Instance.h"
#include "oif/impl/oif_Orientation.h"
#include "oif/impl/oif_Part.h"

namespace {

std::string InstanceLines(const std::string& placement) {
  test::Loaded model(R"("parts": [{"name": "P"}], "assembly": {"instances": [{"name": "I", "part": "P")" + placement +
                     "}]}");
  return test::Print(oif_Instance(model.Instance("I")));
}

TEST(InstanceKeyword, NeitherMovedNorRotatedWritesOnlyTheKeywordLine) {
  EXPECT_EQ(InstanceLines(""), "*Instance, name=I, part=P\n");
  EXPECT_EQ(InstanceLines(R"(, "translation": [0, 0, 0], "rotation": [0, 0, 0])"), "*Instance, name=I, part=P\n");
}

TEST(InstanceKeyword, TranslationLine) {
  EXPECT_EQ(InstanceLines(R"(, "translation": [1, -2.5, 0.1])"),
            "*Instance, name=I, part=P\n          1.,         -2.5,          0.1\n");
}

TEST(InstanceKeyword, NinetyDegreesAboutZ) {
  EXPECT_EQ(InstanceLines(R"(, "rotation": [0, 0, 1.5707963267948966])"), R"(*Instance, name=I, part=P
          0.,           0.,           0.
          0.,           0.,           0.,           0.,           0.,           1.,          90.
)");
}

TEST(InstanceKeyword, RotationAxisPassesThroughTheTranslatedOrigin) {
  // Rotated half a turn about x, then moved: the solver moves first and then
  // rotates about the axis through the moved origin.
  EXPECT_EQ(InstanceLines(R"(, "translation": [1, 2, 3], "rotation": [3.141592653589793, 0, 0])"),
            R"(*Instance, name=I, part=P
          1.,           2.,           3.
          1.,           2.,           3.,           2.,           2.,           3.,         180.
)");
}

TEST(InstanceKeyword, QuotedNames) {
  test::Loaded model(R"("parts": [{"name": "my part"}], "assembly": {"instances": [{"name": "1st", "part": "my part"}]})");
  EXPECT_EQ(test::Print(oif_Instance(model.Instance("1st"))), "*Instance, name=\"1st\", part=\"my part\"\n");
}

TEST(PartKeyword, NameIsQuotedWhenItMustBe) {
  EXPECT_EQ(test::Print(oif_Part("Plate")), "*Part, name=Plate\n");
  EXPECT_EQ(test::Print(oif_Part("my part")), "*Part, name=\"my part\"\n");
}

TEST(AxisRotation, DecompositionReproducesTheRotation) {
  for (const gsl_Vector& r : {gsl_Vector(0.3, -0.4, 1.2), gsl_Vector(0, 3.0, 0), gsl_Vector(-2.0, -2.0, 0.5),
                              gsl_Vector(0, 0, -0.001)}) {
    gsl_Matrix matrix;
    matrix.AxisRotation(r.Normalize(), r.Length());
    matrix.SetTranslation({4, 5, 6});
    gsl_Point point;
    gsl_Vector axis;
    double angle = 0;
    matrix.GetAxisRotation(point, axis, angle);
    gsl_Matrix again;
    again.AxisRotation(axis, angle);
    const gsl_Vector probe(0.7, -1.1, 2.3);
    const gsl_Vector a = matrix.Apply(probe), b = again.Apply(probe);
    EXPECT_NEAR((a - b).Length() - 0.0, 0.0, 1e-12) << r.x() << " " << r.y() << " " << r.z();
    // Moving by the translation, then rotating about the axis through the point.
    const gsl_Point x(1, 2, 3);
    const gsl_Point moved = x + matrix.GetTranslation();
    const gsl_Point viaAxis = point + again.Apply(moved - point);
    EXPECT_NEAR((viaAxis - matrix.Apply(x)).Length(), 0.0, 1e-12);
  }
}

const char* const kDatums = R"("datums": [
    {"name": "Rect", "kind": "rectangular", "xAxis": [1, 1, 0], "yAxis": [-1, 1, 0]},
    {"name": "Bolt axis", "kind": "cylindrical", "origin": [0.5, 0.5, 0]},
    {"name": "Ball", "kind": "spherical", "origin": [1, 2, 3], "xAxis": [0, 0, 1], "yAxis": [1, 0, 0]},
    {"name": "Tiny", "kind": "rectangular", "xAxis": [1, 1e-17, 0]}])";

struct Datums : ::testing::Test {
  test::Loaded model{kDatums};
};

TEST_F(Datums, RectangularOrientationWritesBothAxes) {
  // The unit axes' components are the double nearest 1/sqrt(2), 0.7071067811865474617...
  EXPECT_EQ(test::Print(oif_Orientation(model.Ddb(), 1, "Rect", false, 0.0, 0)), R"(*Orientation, name=Rect
0.707106781186547, 0.707106781186547,           0., -0.707106781186547, 0.707106781186547,           0.
)");
}

TEST_F(Datums, CylindricalTransformWritesOriginAndAxisPoint) {
  EXPECT_EQ(test::Print(oif_Transform(model.Ddb(), 2, "_T-Bolt axis")), R"(*Transform, nset="_T-Bolt axis", type=C
         0.5,          0.5,           0.,          0.5,          0.5,           1.
)");
  EXPECT_EQ(test::Print(oif_Orientation(model.Ddb(), 2, "\"Bolt axis\"", false, 0.0, 0)),
            R"(*Orientation, name="Bolt axis", system=CYLINDRICAL
         0.5,          0.5,           0.,          0.5,          0.5,           1.
)");
}

TEST_F(Datums, SphericalWithAdditionalRotation) {
  // z = x cross y = (0, 0, 1) x (1, 0, 0) = (0, 1, 0).
  EXPECT_EQ(test::Print(oif_Orientation(model.Ddb(), 3, "Ball", true, 30.0, 1)), R"(*Orientation, name=Ball, system=SPHERICAL
          1.,           2.,           3.,           1.,           3.,           3.
2, 30.
)");
  EXPECT_EQ(test::Print(oif_Transform(model.Ddb(), 3, "N")).substr(0, 28), "*Transform, nset=N, type=S\n ");
}

TEST_F(Datums, TinyComponentsPrintAsZeroAndNoDatumIsAUserSystem) {
  EXPECT_EQ(test::Print(oif_Transform(model.Ddb(), 4, "N")), R"(*Transform, nset=N
          1.,           0.,           0.,           0.,           1.,           0.
)");
  EXPECT_EQ(test::Print(oif_Orientation(model.Ddb(), 0, "Ori-1", true, 10.0, 2)), "*Orientation, name=Ori-1, system=user\n");
  EXPECT_EQ(test::Print(oif_Transform(model.Ddb(), 0, "N")), "");
}

TEST_F(Datums, MovedDatumAndDatumsOfOtherTypes) {
  gsl_Matrix quarter;
  quarter.AxisRotation({0, 0, 1}, std::numbers::pi / 2);
  quarter.SetTranslation({10, 0, 0});
  EXPECT_EQ(test::Print(oif_Orientation(model.Ddb(), 2, "B", false, 0.0, 0, quarter)),
            R"(*Orientation, name=B, system=CYLINDRICAL
         9.5,          0.5,           0.,          9.5,          0.5,           1.
)");
  auto contents = std::make_shared<ddb_ModelContents>(model.Ddb().contents());
  contents->datums[0].type = ddb_Datum::Plane;
  const ddb_Model planes(contents);
  try {
    oif_Transform(planes, 1, "N");
    FAIL() << "accepted a plane";
  } catch (const nex_TextException& error) {
    EXPECT_EQ(error.Message(), "Wrong datum type during input generation");
  }
}

}  // namespace
