#pragma once
// Repositories of model objects. Name-keyed repositories iterate in name
// order (exact, case-sensitive byte order); ordered containers (parts,
// instances, steps, sets) keep the order of the model. Both are handles with
// shared storage: copies are cheap and see the same objects.
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "exceptions/nex_Exception.h"
#include "modeldb/mdb_Export.h"

/// Common base, so that a repository handed out as a general one can be
/// checked for its kind (nex_canDynamicCastRef).
class MDB_API mdl_RepositoryBase {
 public:
  virtual ~mdl_RepositoryBase();
  virtual std::vector<std::string> Keys() const = 0;
  virtual std::size_t Size() const = 0;
};

/// Iterator protocol of the model database: first(); while (!isDone()) { ...; next(); }
template <class Items>
class mdl_Iterator {
 public:
  explicit mdl_Iterator(const Items& items) : items_(items) {}
  void first() { pos_ = items_.begin(); }
  bool isDone() const { return pos_ == items_.end(); }
  void next() { ++pos_; }
  const std::string& currentKey() const { return pos_->first; }
  const auto& currentValue() const { return *pos_->second; }
  const auto& currentItem() const { return *pos_->second; }

 private:
  const Items& items_;
  typename Items::const_iterator pos_ = items_.begin();
};

template <class T>
class mdl_MapString2ObjCow : public mdl_RepositoryBase {
 public:
  using Map = std::map<std::string, std::shared_ptr<const T>>;

  mdl_MapString2ObjCow() : map_(std::make_shared<Map>()) {}

  bool IsMember(const std::string& name) const { return map_->count(name) != 0; }
  const T& ConstGet(const std::string& name) const {
    auto it = map_->find(name);
    if (it == map_->end()) NEX_THROW_TEXT("No object named \"" + name + "\" in the repository");
    return *it->second;
  }
  std::shared_ptr<const T> GetShared(const std::string& name) const {
    auto it = map_->find(name);
    return it == map_->end() ? nullptr : it->second;
  }
  const Map& ConstGetMap() const noexcept { return *map_; }
  std::vector<std::string> Keys() const override {
    std::vector<std::string> keys;
    keys.reserve(map_->size());
    for (auto& entry : *map_) keys.push_back(entry.first);
    return keys;
  }
  std::size_t Size() const override { return map_->size(); }
  mdl_Iterator<Map> createIterator() const { return mdl_Iterator<Map>(*map_); }
  typename Map::const_iterator begin() const { return map_->begin(); }
  typename Map::const_iterator end() const { return map_->end(); }

  /// Adds an object; false (and nothing changed) when the name is taken.
  bool Add(const std::string& name, std::shared_ptr<const T> object) {
    if (map_.use_count() > 1) map_ = std::make_shared<Map>(*map_);
    return map_->emplace(name, std::move(object)).second;
  }

 private:
  std::shared_ptr<Map> map_;
};

/// Container that keeps the model's order (parts, instances, steps, sets).
template <class T>
class mdl_OrderedContainer : public mdl_RepositoryBase {
 public:
  using Items = std::vector<std::pair<std::string, std::shared_ptr<const T>>>;

  mdl_OrderedContainer() : data_(std::make_shared<Data>()) {}

  bool IsMember(const std::string& name) const { return data_->index.count(name) != 0; }
  const T& ConstGet(const std::string& name) const {
    auto it = data_->index.find(name);
    if (it == data_->index.end()) NEX_THROW_TEXT("No object named \"" + name + "\" in the container");
    return *data_->items[it->second].second;
  }
  const T& At(std::size_t position) const { return *data_->items.at(position).second; }
  std::shared_ptr<const T> SharedAt(std::size_t position) const { return data_->items.at(position).second; }
  /// The object of a name, shared; nullptr when there is none.
  std::shared_ptr<const T> GetShared(const std::string& name) const {
    auto it = data_->index.find(name);
    return it == data_->index.end() ? nullptr : data_->items[it->second].second;
  }

  std::vector<std::string> Keys() const override {
    std::vector<std::string> keys;
    keys.reserve(data_->items.size());
    for (auto& entry : data_->items) keys.push_back(entry.first);
    return keys;
  }
  std::size_t Size() const override { return data_->items.size(); }
  mdl_Iterator<Items> createIterator() const { return mdl_Iterator<Items>(data_->items); }
  typename Items::const_iterator begin() const { return data_->items.begin(); }
  typename Items::const_iterator end() const { return data_->items.end(); }

  bool Add(const std::string& name, std::shared_ptr<const T> object) {
    if (data_.use_count() > 1) data_ = std::make_shared<Data>(*data_);
    if (!data_->index.emplace(name, data_->items.size()).second) return false;
    data_->items.emplace_back(name, std::move(object));
    return true;
  }

 private:
  struct Data {
    Items items;
    std::unordered_map<std::string, std::size_t> index;
  };
  std::shared_ptr<Data> data_;
};
