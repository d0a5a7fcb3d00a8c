#pragma once
// Small geometry values: points, vectors and rigid transformations.
#include <array>
#include <cmath>

#include "modeldb/mdb_Export.h"

/// Tolerances for geometric comparisons.
struct MDB_API gsl_Util {
  static constexpr double Tolerance = 1e-12;
  /// Lengths at or below this are zero.
  static constexpr double LengthTolerance = Tolerance;
  /// Angles (radians) at or below this are zero.
  static constexpr double AngleTolerance = Tolerance;
};

class MDB_API gsl_Vector {
 public:
  constexpr gsl_Vector() = default;
  constexpr gsl_Vector(double x, double y, double z) : v_{x, y, z} {}
  constexpr double operator[](int i) const { return v_[std::size_t(i)]; }
  constexpr double x() const { return v_[0]; }
  constexpr double y() const { return v_[1]; }
  constexpr double z() const { return v_[2]; }
  double Length() const { return std::sqrt(Dot(*this)); }
  /// This vector scaled to unit length; the zero vector stays zero.
  gsl_Vector Normalize() const {
    const double length = Length();
    return length > 0 ? *this * (1.0 / length) : *this;
  }
  constexpr double Dot(const gsl_Vector& o) const { return v_[0] * o.v_[0] + v_[1] * o.v_[1] + v_[2] * o.v_[2]; }
  constexpr gsl_Vector Cross(const gsl_Vector& o) const {
    return {v_[1] * o.v_[2] - v_[2] * o.v_[1], v_[2] * o.v_[0] - v_[0] * o.v_[2],
            v_[0] * o.v_[1] - v_[1] * o.v_[0]};
  }
  constexpr gsl_Vector operator*(double s) const { return {v_[0] * s, v_[1] * s, v_[2] * s}; }
  constexpr gsl_Vector operator+(const gsl_Vector& o) const { return {v_[0] + o.v_[0], v_[1] + o.v_[1], v_[2] + o.v_[2]}; }
  constexpr gsl_Vector operator-(const gsl_Vector& o) const { return {v_[0] - o.v_[0], v_[1] - o.v_[1], v_[2] - o.v_[2]}; }

 private:
  std::array<double, 3> v_{0.0, 0.0, 0.0};
};

class MDB_API gsl_Point {
 public:
  constexpr gsl_Point() = default;
  constexpr gsl_Point(double x, double y, double z) : p_(x, y, z) {}
  constexpr double operator[](int i) const { return p_[i]; }
  constexpr double x() const { return p_.x(); }
  constexpr double y() const { return p_.y(); }
  constexpr double z() const { return p_.z(); }
  constexpr gsl_Point operator+(const gsl_Vector& v) const { return {x() + v.x(), y() + v.y(), z() + v.z()}; }
  constexpr gsl_Vector operator-(const gsl_Point& o) const { return p_ - o.p_; }

 private:
  gsl_Vector p_;
};

/// Rigid transformation: a 3x3 rotation and a translation.
class MDB_API gsl_Matrix {
 public:
  /// The identity.
  gsl_Matrix();
  static gsl_Matrix Identity() { return {}; }

  double operator()(int row, int column) const { return r_[std::size_t(row)][std::size_t(column)]; }
  const gsl_Vector& Translation() const { return t_; }
  gsl_Vector GetTranslation() const { return t_; }
  void SetTranslation(const gsl_Vector& t) { t_ = t; }
  void FillIdentity() { *this = gsl_Matrix(); }
  /// Sets the rotation to `angle` radians about the unit axis through the origin.
  void AxisRotation(const gsl_Vector& unitAxis, double angle);
  /// The rotation as an axis and an angle in [0, pi] radians, with a point
  /// on the axis such that moving by GetTranslation() and then rotating about
  /// the axis through `point` is this transformation. Without rotation the
  /// angle is 0 and the axis is z.
  void GetAxisRotation(gsl_Point& point, gsl_Vector& axis, double& angle) const;
  bool IsIdentity(double tolerance = gsl_Util::Tolerance) const;

  gsl_Point Apply(const gsl_Point& p) const;
  gsl_Vector Apply(const gsl_Vector& v) const;

 private:
  std::array<std::array<double, 3>, 3> r_;
  gsl_Vector t_;
};
