#include "modeldb/omu_PrimEnum.h"

#include "exceptions/nex_Exception.h"

const char* omu_PrimEnumBase::GetString(int value) const {
  if (value < 0 || value >= Size())
    NEX_THROW_TEXT(std::string("Unimplemented value ") + std::to_string(value) + " of " + name_);
  return texts_[std::size_t(value)];
}

int omu_PrimEnumBase::Find(std::string_view text) const noexcept {
  for (std::size_t i = 0; i < texts_.size(); ++i)
    if (text == texts_[i]) return int(i);
  return -1;
}

std::string omu_PrimEnumBase::List() const {
  std::string list;
  for (const char* text : texts_) {
    if (!list.empty()) list += ", ";
    list += '"';
    list += text;
    list += '"';
  }
  return list;
}
