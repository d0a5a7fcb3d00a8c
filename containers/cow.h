#pragma once
// Value types with shared storage: copies share their contents until one of
// them is changed. Texts and maps are plain standard types (their copies are
// cheap where the writer copies them); the keyword lists and handles share.
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using cow_String = std::string;

template <class T>
using cow_List = std::vector<T>;

/// String-keyed (or otherwise keyed) ordered map; keys compare exactly.
template <class K, class V>
using cow_Map = std::map<K, V>;

/// Copy policy of handles to polymorphic objects: copies through Clone().
template <class T>
struct cow_Virtual {
  static T* Copy(const T& object) { return object.Clone(); }
};

/// Copy policy of handles to plain objects: copies through the copy constructor.
template <class T>
struct cow_Plain {
  static T* Copy(const T& object) { return new T(object); }
};

/// Copy-on-write handle. Made from an object, it stores a copy; copying the
/// handle shares the object; Change() gives write access and copies the object
/// first when it is shared.
template <class T, class Policy = cow_Plain<T>>
class cow_COW {
 public:
  cow_COW() = default;
  explicit cow_COW(const T& object) : object_(Policy::Copy(object)) {}
  /// Takes ownership of a freshly made object without copying it.
  static cow_COW Adopt(std::unique_ptr<T> object) {
    cow_COW handle;
    handle.object_.reset(object.release());
    return handle;
  }

  bool IsEmpty() const noexcept { return !object_; }
  explicit operator bool() const noexcept { return bool(object_); }
  const T& operator*() const noexcept { return *object_; }
  const T* operator->() const noexcept { return object_.get(); }
  const T* Get() const noexcept { return object_.get(); }
  /// Number of handles that share the object (0 for an empty handle).
  long UseCount() const noexcept { return object_.use_count(); }

  /// Write access: a shared object is copied first, so other handles keep theirs.
  T& Change() {
    if (object_.use_count() > 1) object_.reset(Policy::Copy(*object_));
    return *object_;
  }

 private:
  std::shared_ptr<T> object_;
};

/// Array list with shared storage: copies share the array until one changes.
template <class T>
class cow_1DArrayList {
 public:
  cow_1DArrayList() = default;

  std::size_t Size() const noexcept { return items_ ? items_->size() : 0; }
  bool IsEmpty() const noexcept { return Size() == 0; }
  const T& operator[](std::size_t i) const { return (*items_)[i]; }

  void Append(const T& item) { Own().push_back(item); }
  void Append(T&& item) { Own().push_back(std::move(item)); }

  const T* begin() const noexcept { return items_ ? items_->data() : nullptr; }
  const T* end() const noexcept { return items_ ? items_->data() + items_->size() : nullptr; }

  /// True when both lists share one array (for tests of the sharing rules).
  bool SharesWith(const cow_1DArrayList& other) const noexcept { return items_ == other.items_; }

 private:
  std::vector<T>& Own() {
    if (!items_)
      items_ = std::make_shared<std::vector<T>>();
    else if (items_.use_count() > 1)
      items_ = std::make_shared<std::vector<T>>(*items_);
    return *items_;
  }

  std::shared_ptr<std::vector<T>> items_;
};
