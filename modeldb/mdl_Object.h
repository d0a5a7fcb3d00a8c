#pragma once
#include <string>
#include <typeindex>
#include <typeinfo>

#include "modeldb/mdb_Export.h"

/// Base of the named model objects kept in repositories. DynTypeId() answers
/// the object's concrete class, to compare with mdl_TypeId<T>().
class MDB_API mdl_Object {
 public:
  explicit mdl_Object(std::string name = {}) : name_(std::move(name)) {}
  virtual ~mdl_Object();

  const std::string& name() const noexcept { return name_; }
  std::type_index DynTypeId() const { return typeid(*this); }

 private:
  std::string name_;
};

template <class T>
std::type_index mdl_TypeId() {
  return typeid(T);
}

/// Unset markers of model data: a value equal to one of these is not given;
/// keyword lines leave it out and data lines leave its field empty.
inline constexpr double mdl_UnsetDouble = 1.7976931348623157e308;
inline constexpr int mdl_UnsetInt = 2147483647;
inline constexpr bool mdl_IsSet(double value) { return value != mdl_UnsetDouble; }
inline constexpr bool mdl_IsSet(int value) { return value != mdl_UnsetInt; }
