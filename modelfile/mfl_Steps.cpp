#include "modelfile/mfl_Loader.h"

namespace mfl {

namespace {
template <class Step>
StepFactory Plain() {
  return [](const std::string& name, const Ref& ref) {
    ref.AllowOnly({"name", "kind", "description", "keywords", "loadCases"});
    return std::make_shared<Step>(name);
  };
}
}  // namespace

const std::map<std::string, StepFactory, std::less<>>& StepKinds() {
  static const std::map<std::string, StepFactory, std::less<>> kinds = {
      {"static", Plain<kprC_StaticStep>()},
      {"frequency", Plain<kprC_FrequencyStep>()},
      {"explicit dynamics", Plain<kprC_ExplicitDynamicsStep>()},
  };
  return kinds;
}

}  // namespace mfl
