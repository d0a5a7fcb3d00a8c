#include "geometry/gsl_Geometry.h"

gsl_Matrix::gsl_Matrix() : r_{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}} {}

void gsl_Matrix::AxisRotation(const gsl_Vector& a, double angle) {
  // Rodrigues' rotation formula.
  const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  const double x = a.x(), y = a.y(), z = a.z();
  r_ = {{{t * x * x + c, t * x * y - s * z, t * x * z + s * y},
         {t * x * y + s * z, t * y * y + c, t * y * z - s * x},
         {t * x * z - s * y, t * y * z + s * x, t * z * z + c}}};
}

bool gsl_Matrix::IsIdentity(double tolerance) const {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (std::fabs(r_[i][j] - (i == j ? 1.0 : 0.0)) > tolerance) return false;
  return t_.Length() <= tolerance;
}

gsl_Vector gsl_Matrix::Apply(const gsl_Vector& v) const {
  return {r_[0][0] * v.x() + r_[0][1] * v.y() + r_[0][2] * v.z(),
          r_[1][0] * v.x() + r_[1][1] * v.y() + r_[1][2] * v.z(),
          r_[2][0] * v.x() + r_[2][1] * v.y() + r_[2][2] * v.z()};
}

gsl_Point gsl_Matrix::Apply(const gsl_Point& p) const {
  gsl_Vector rotated = Apply(gsl_Vector(p.x(), p.y(), p.z())) + t_;
  return {rotated.x(), rotated.y(), rotated.z()};
}

void gsl_Matrix::GetAxisRotation(gsl_Point& point, gsl_Vector& axis, double& angle) const {
  // Moving by t and then rotating about the axis through p is
  // x -> R (x + t - p) + p, which equals R x + t for p = t.
  point = gsl_Point(t_.x(), t_.y(), t_.z());
  // The rotation as a unit quaternion (w, v): robust for every angle.
  const double trace = r_[0][0] + r_[1][1] + r_[2][2];
  double w, x, y, z;
  if (trace > 0) {
    const double s = 2.0 * std::sqrt(trace + 1.0);
    w = 0.25 * s;
    x = (r_[2][1] - r_[1][2]) / s;
    y = (r_[0][2] - r_[2][0]) / s;
    z = (r_[1][0] - r_[0][1]) / s;
  } else if (r_[0][0] > r_[1][1] && r_[0][0] > r_[2][2]) {
    const double s = 2.0 * std::sqrt(1.0 + r_[0][0] - r_[1][1] - r_[2][2]);
    w = (r_[2][1] - r_[1][2]) / s;
    x = 0.25 * s;
    y = (r_[0][1] + r_[1][0]) / s;
    z = (r_[0][2] + r_[2][0]) / s;
  } else if (r_[1][1] > r_[2][2]) {
    const double s = 2.0 * std::sqrt(1.0 + r_[1][1] - r_[0][0] - r_[2][2]);
    w = (r_[0][2] - r_[2][0]) / s;
    x = (r_[0][1] + r_[1][0]) / s;
    y = 0.25 * s;
    z = (r_[1][2] + r_[2][1]) / s;
  } else {
    const double s = 2.0 * std::sqrt(1.0 + r_[2][2] - r_[0][0] - r_[1][1]);
    w = (r_[1][0] - r_[0][1]) / s;
    x = (r_[0][2] + r_[2][0]) / s;
    y = (r_[1][2] + r_[2][1]) / s;
    z = 0.25 * s;
  }
  if (w < 0) w = -w, x = -x, y = -y, z = -z;
  const double sine = std::sqrt(x * x + y * y + z * z);
  angle = 2.0 * std::atan2(sine, w);
  axis = sine > 0 ? gsl_Vector(x / sine, y / sine, z / sine) : gsl_Vector(0, 0, 1);
}
