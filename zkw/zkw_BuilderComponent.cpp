#include "zkw/zkw_BuilderComponent.h"

#include <deque>
#include <utility>

#include "textstream/aio_ios.h"
#include "zkw/zkw_ModelInfo.h"

namespace {

/// Keywords registered by their text (TextBatch): the lines as the deck
/// prints them.
class TextPiece : public zkw_Keyword {
 public:
  zkw_Keyword* Clone() const override { return new TextPiece(*this); }
  void Write(utl_Stream& stream) const override { stream.AppendLines(text); }
  bool IsEmpty() const override { return text.empty(); }

  std::string text;
};

/// Each piece of a batch's text for one list is made with room for its text,
/// so that the text is never moved as it grows: the first with 16 KiB, each
/// further one with twice the room of the one before, up to 1 MiB. A keyword
/// goes into a new piece when the last one is seven eighths full.
constexpr std::size_t kFirstPieceSize = std::size_t(16) << 10;
constexpr std::size_t kPieceSize = std::size_t(1) << 20;

/// Formats `keyword` with `stream` onto `text`; on failure, what the keyword
/// wrote goes nowhere.
void FormatOnto(aio_ios& ios, utl_Stream& stream, std::string& text, const zkw_Keyword& keyword) {
  ios.attach(text);
  try {
    keyword.Write(stream);
    stream.Flush();
  } catch (...) {
    std::string discarded;
    ios.attach(discarded);
    try {
      stream.Flush();
    } catch (...) {
    }
    ios.close();
    throw;
  }
}

}  // namespace

class zkw_BuilderComponent::StepText {
 public:
  StepText(zkw_KeywordList& list, std::size_t index) : list(&list), index(index) {}

  zkw_KeywordList* list;
  std::size_t index;  // in the order the targets were made
};

struct zkw_BuilderComponent::TextTargets::Impl {
  std::deque<StepText> targets;
  std::map<std::pair<cow_String, cow_String>, StepText*> byName;
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

zkw_BuilderComponent::StepText* zkw_BuilderComponent::StepTextTarget(const cow_String& step,
                                                                    const cow_String& loadCase) {
  if (!textTargets_.impl) textTargets_.impl = std::make_unique<TextTargets::Impl>();
  TextTargets::Impl& impl = *textTargets_.impl;
  StepText*& target = impl.byName[{step, loadCase}];
  if (!target) target = &impl.targets.emplace_back(stepTable_[step][loadCase], impl.targets.size());
  return target;
}

struct zkw_BuilderComponent::TextBatch::Impl {
  struct Run {
    std::vector<std::unique_ptr<TextPiece>> pieces;
    std::size_t room = kFirstPieceSize;
  };
  std::vector<Run> runs;  // by target index
  aio_ios ios;
  /// Formats with the deck stream's settings (the defaults).
  utl_Stream stream{ios};
};

zkw_BuilderComponent::TextBatch::TextBatch() : impl_(std::make_unique<Impl>()) {}
zkw_BuilderComponent::TextBatch::~TextBatch() = default;
zkw_BuilderComponent::TextBatch::TextBatch(TextBatch&&) noexcept = default;
zkw_BuilderComponent::TextBatch& zkw_BuilderComponent::TextBatch::operator=(TextBatch&&) noexcept = default;

void zkw_BuilderComponent::TextBatch::Add(const StepText& target, const zkw_Keyword& keyword) {
  if (impl_->runs.size() <= target.index) impl_->runs.resize(target.index + 1);
  Impl::Run& run = impl_->runs[target.index];
  if (run.pieces.empty() || run.pieces.back()->text.size() >= run.room / 8 * 7) {
    if (!run.pieces.empty() && run.room < kPieceSize) run.room *= 2;
    run.pieces.push_back(std::make_unique<TextPiece>());
    run.pieces.back()->text.reserve(run.room);
  }
  FormatOnto(impl_->ios, impl_->stream, run.pieces.back()->text, keyword);
}

bool zkw_BuilderComponent::TextBatch::Has(const StepText& target) const noexcept {
  return target.index < impl_->runs.size() && !impl_->runs[target.index].pieces.empty();
}

bool zkw_BuilderComponent::TextBatch::AnyHas(const std::vector<TextBatch>& batches, const StepText& target) noexcept {
  for (const TextBatch& batch : batches)
    if (batch.Has(target)) return true;
  return false;
}

void zkw_BuilderComponent::AddStepBatches(std::vector<TextBatch>& batches) {
  if (!textTargets_.impl) return;
  for (StepText& target : textTargets_.impl->targets) {
    for (TextBatch& batch : batches) {
      if (!batch.Has(target)) continue;
      for (auto& piece : batch.impl_->runs[target.index].pieces)
        target.list->Append(zkw_KeywordHandle::Adopt(std::move(piece)));
      batch.impl_->runs[target.index].pieces.clear();
    }
  }
}
