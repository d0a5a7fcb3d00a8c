#include "modelfile/mfl_Members.h"

namespace mfl {

std::string QuotedList(const std::vector<std::string_view>& texts) {
  std::string list;
  for (std::string_view text : texts) {
    if (!list.empty()) list += ", ";
    list += '"';
    list += text;
    list += '"';
  }
  return list;
}

void FailUnknown(const Ref& ref, std::string_view what, const std::string& text, const std::string& known) {
  ref.Fail("model.enum", "unknown " + std::string(what) + " \"" + text + "\"; expected one of: " + known);
}

}  // namespace mfl
