#pragma once
#include <memory>
#include <string>
#include <vector>

#include "containers/cow.h"
#include "zkw/zkw_Export.h"
#include "zkw/zkw_Keyword.h"

class zkw_Model;
class zkw_ModelInfo;

/// Base of the builders. A builder walks one area of the model in Build()
/// and registers keywords in its own store, filed under the block of the deck
/// where each belongs: the model level, a part, an instance, the assembly, or
/// a step and load case (the empty load-case name stands for the step itself).
/// Within one list keywords keep their registration order.
class ZKW_API zkw_BuilderComponent {
 public:
  explicit zkw_BuilderComponent(zkw_ModelInfo& info);
  virtual ~zkw_BuilderComponent();

  virtual zkw_KeywordList ModelDefinition() const;
  virtual zkw_KeywordList PartDefinition(const cow_String& part) const;
  virtual zkw_KeywordList InstanceDefinition(const cow_String& instance) const;
  virtual zkw_KeywordList AssemblyDefinition() const;
  virtual zkw_KeywordList StepDefinition(const cow_String& step, const cow_String& loadCase) const;
  /// Walks the model and fills the store.
  virtual void Build() = 0;
  /// Heap copy of the concrete builder; the copy shares the stored lists.
  virtual zkw_BuilderComponent* Clone() const = 0;

 protected:
  zkw_BuilderComponent(const zkw_BuilderComponent&) = default;
  zkw_BuilderComponent& operator=(const zkw_BuilderComponent&) = default;

  void AddModelDefinition(const zkw_Keyword& keyword);
  void AddPartDefinition(const cow_String& part, const zkw_Keyword& keyword);
  void AddInstanceDefinition(const cow_String& instance, const zkw_Keyword& keyword);
  void AddAssemblyDefinition(const zkw_Keyword& keyword);
  void AddStepDefinition(const cow_String& step, const zkw_Keyword& keyword, const cow_String& loadCase);
  void AddStepDefinition(const cow_String& step, const zkw_Keyword& keyword);
  /// The list of a step and load case, as a target for text registration.
  /// A target stays valid as long as the builder; looking it up once per
  /// step spares the builders that register one keyword per object and step
  /// a lookup by name each time.
  class StepText;
  StepText* StepTextTarget(const cow_String& step, const cow_String& loadCase);

  /// Keywords registered by their text, for builders that register one
  /// keyword per object and step: each keyword writes itself at once, as the
  /// deck's stream formats it, onto the batch's text for its target, and no
  /// object is kept for it. Each thread of a builder fills a batch of its
  /// own, which only reads the targets; AddStepBatches hands the text to the
  /// lists. For keywords that change nothing after they are made and end
  /// their last line.
  class ZKW_API TextBatch {
   public:
    TextBatch();
    ~TextBatch();
    TextBatch(TextBatch&&) noexcept;
    TextBatch& operator=(TextBatch&&) noexcept;
    /// Formats `keyword` onto the text for `target`.
    void Add(const StepText& target, const zkw_Keyword& keyword);
    /// Whether the batch has text for `target`.
    bool Has(const StepText& target) const noexcept;
    /// Whether one of `batches` has text for `target`.
    static bool AnyHas(const std::vector<TextBatch>& batches, const StepText& target) noexcept;

   private:
    friend class zkw_BuilderComponent;
    struct Impl;
    std::unique_ptr<Impl> impl_;
  };
  /// Appends to each target's list the text the batches have for it, batch
  /// after batch.
  void AddStepBatches(std::vector<TextBatch>& batches);

  zkw_Model* model;
  zkw_ModelInfo* info;

 private:
  zkw_KeywordList modelList_;
  cow_Map<cow_String, zkw_KeywordList> partTable_;
  cow_Map<cow_String, zkw_KeywordList> instanceTable_;
  zkw_KeywordList assemblyList_;
  cow_Map<cow_String, cow_Map<cow_String, zkw_KeywordList>> stepTable_;
  /// The text targets, made on demand; a copy of the builder makes its own.
  struct TextTargets {
    TextTargets();
    TextTargets(const TextTargets&);
    TextTargets& operator=(const TextTargets&);
    ~TextTargets();
    struct Impl;
    std::unique_ptr<Impl> impl;
  };
  TextTargets textTargets_;
};

/// Handle to a builder, copying through Clone().
using zkw_BuilderHandle = cow_COW<zkw_BuilderComponent, cow_Virtual<zkw_BuilderComponent>>;
