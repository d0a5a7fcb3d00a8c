#include "zkw/zkw_BuilderComponent.h"

#include "zkw/zkw_ModelInfo.h"

zkw_BuilderComponent::zkw_BuilderComponent(zkw_ModelInfo& modelInfo)
    : model(&modelInfo.Model()), info(&modelInfo) {}

zkw_BuilderComponent::~zkw_BuilderComponent() = default;

namespace {
template <class Map>
zkw_KeywordList Lookup(const Map& table, const cow_String& key) {
  auto it = table.find(key);
  return it == table.end() ? zkw_KeywordList() : it->second;
}
}  // namespace

zkw_KeywordList zkw_BuilderComponent::ModelDefinition() const { return modelList_; }

zkw_KeywordList zkw_BuilderComponent::PartDefinition(const cow_String& part) const {
  return Lookup(partTable_, part);
}

zkw_KeywordList zkw_BuilderComponent::InstanceDefinition(const cow_String& instance) const {
  return Lookup(instanceTable_, instance);
}

zkw_KeywordList zkw_BuilderComponent::AssemblyDefinition() const { return assemblyList_; }

zkw_KeywordList zkw_BuilderComponent::StepDefinition(const cow_String& step,
                                                     const cow_String& loadCase) const {
  auto it = stepTable_.find(step);
  return it == stepTable_.end() ? zkw_KeywordList() : Lookup(it->second, loadCase);
}

void zkw_BuilderComponent::AddModelDefinition(const zkw_Keyword& keyword) {
  modelList_.Append(zkw_KeywordHandle(keyword));
}

void zkw_BuilderComponent::AddPartDefinition(const cow_String& part, const zkw_Keyword& keyword) {
  partTable_[part].Append(zkw_KeywordHandle(keyword));
}

void zkw_BuilderComponent::AddInstanceDefinition(const cow_String& instance, const zkw_Keyword& keyword) {
  instanceTable_[instance].Append(zkw_KeywordHandle(keyword));
}

void zkw_BuilderComponent::AddAssemblyDefinition(const zkw_Keyword& keyword) {
  assemblyList_.Append(zkw_KeywordHandle(keyword));
}

void zkw_BuilderComponent::AddStepDefinition(const cow_String& step, const zkw_Keyword& keyword,
                                             const cow_String& loadCase) {
  stepTable_[step][loadCase].Append(zkw_KeywordHandle(keyword));
}

void zkw_BuilderComponent::AddStepDefinition(const cow_String& step, const zkw_Keyword& keyword) {
  AddStepDefinition(step, keyword, cow_String());
}

void zkw_BuilderComponent::AdoptStepDefinition(const cow_String& step, std::unique_ptr<zkw_Keyword> keyword,
                                               const cow_String& loadCase) {
  stepTable_[step][loadCase].Append(zkw_KeywordHandle::Adopt(std::move(keyword)));
}
