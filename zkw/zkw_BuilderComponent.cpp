#include "zkw/zkw_BuilderComponent.h"

#include <deque>
#include <utility>

#include "textstream/aio_ios.h"
#include "zkw/zkw_ModelInfo.h"

namespace {

/// Keywords registered by their text (AddStepText): the lines as the deck
/// prints them.
class TextPiece : public zkw_Keyword {
 public:
  zkw_Keyword* Clone() const override { return new TextPiece(*this); }
  void Write(utl_Stream& stream) const override { stream.AppendLines(text); }
  bool IsEmpty() const override { return text.empty(); }

  std::string text;
};

/// A piece takes text up to this size; the next keyword starts another, so
/// that no piece is copied as it grows large.
constexpr std::size_t kPieceSize = std::size_t(1) << 20;

}  // namespace

class zkw_BuilderComponent::StepText {
 public:
  explicit StepText(zkw_KeywordList& list) : list(&list) {}

  zkw_KeywordList* list;
  /// The piece at the end of the list, while it is there and has room.
  TextPiece* open = nullptr;
  std::size_t openAt = 0;
};

struct zkw_BuilderComponent::TextTargets::Impl {
  std::deque<StepText> targets;
  std::map<std::pair<cow_String, cow_String>, StepText*> byName;
  aio_ios ios;
  /// Formats with the deck stream's settings (the defaults).
  utl_Stream stream{ios};
};

zkw_BuilderComponent::TextTargets::TextTargets() = default;
zkw_BuilderComponent::TextTargets::TextTargets(const TextTargets&) {}
zkw_BuilderComponent::TextTargets& zkw_BuilderComponent::TextTargets::operator=(const TextTargets&) {
  impl.reset();
  return *this;
}
zkw_BuilderComponent::TextTargets::~TextTargets() = default;

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

zkw_BuilderComponent::StepText* zkw_BuilderComponent::StepTextTarget(const cow_String& step,
                                                                    const cow_String& loadCase) {
  if (!textTargets_.impl) textTargets_.impl = std::make_unique<TextTargets::Impl>();
  TextTargets::Impl& impl = *textTargets_.impl;
  StepText*& target = impl.byName[{step, loadCase}];
  if (!target) target = &impl.targets.emplace_back(stepTable_[step][loadCase]);
  return target;
}

void zkw_BuilderComponent::AddStepText(StepText& target, const zkw_Keyword& keyword) {
  TextTargets::Impl& impl = *textTargets_.impl;
  zkw_KeywordList& list = *target.list;
  // A keyword registered otherwise since closes the piece.
  if (!target.open || list.Size() != target.openAt || target.open->text.size() >= kPieceSize) {
    auto piece = std::make_unique<TextPiece>();
    target.open = piece.get();
    list.Append(zkw_KeywordHandle::Adopt(std::move(piece)));
    target.openAt = list.Size();
  }
  impl.ios.attach(target.open->text);
  try {
    keyword.Write(impl.stream);
    impl.stream.Flush();
  } catch (...) {
    // What the keyword wrote before it failed goes nowhere.
    std::string discarded;
    impl.ios.attach(discarded);
    try {
      impl.stream.Flush();
    } catch (...) {
    }
    impl.ios.close();
    throw;
  }
}
