#include "modelfile/mfl_History.h"

namespace mfl::detail {

void AllowOnly(const Ref& ref, const std::vector<std::string_view>& keys) {
  if (!ref.IsObject()) ref.Fail("model.type", "expected an object");
  for (auto& [key, value] : ref.node().members()) {
    bool known = false;
    for (std::string_view allowed : keys) known = known || key == allowed;
    if (known) continue;
    std::string list;
    for (std::string_view allowed : keys) list += (list.empty() ? "" : ", ") + std::string(allowed);
    Ref(ref.document(), value, ref.pointer() + "/" + PointerEscape(key))
        .Fail("model.unknown-member", "unknown member '" + key + "'; expected one of: " + list);
  }
}

}  // namespace mfl::detail
