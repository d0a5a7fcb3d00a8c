#include "oif/impl/oif_Builder.h"

#include <cstdio>

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_Model.h"
#include "textstream/aio_ios.h"
#include "zkw/zkw_ModelInfo.h"

oif_Builder::oif_Builder(zkw_ModelInfo& info)
    : jobKeywords_(info),
      instance_(info),
      amplitude_(info),
      material_(info),
      transform_(info),
      boundaryCondition_(info),
      step_(info),
      load_(info),
      field_(info),
      interaction_(info),
      constraint_(info),
      outputRequest_(info),
      part_(info),
      partAttributes_(info),
      region_(info),
      final_(info),
      writesParts_(info.WritesParts()),
      model_(&info.Model()) {}

std::vector<zkw_BuilderComponent*> oif_Builder::BuildOrder() {
  return {&jobKeywords_, &part_,      &material_,  &instance_,          &step_,
          &region_,      &partAttributes_, &amplitude_, &transform_, &constraint_,
          &boundaryCondition_, &load_, &field_,     &interaction_, &outputRequest_, &final_};
}

std::vector<zkw_BuilderHandle> oif_Builder::ListOrder() {
  std::vector<zkw_BuilderHandle> list;
  for (zkw_BuilderComponent* builder : std::initializer_list<zkw_BuilderComponent*>{
           &part_, &instance_, &step_, &region_, &partAttributes_, &amplitude_, &material_, &transform_,
           &constraint_, &boundaryCondition_, &load_, &field_, &interaction_, &outputRequest_, &final_})
    list.emplace_back(*builder);
  return list;
}

bool oif_Builder::Write(const cow_String& fileName) {
  std::remove(fileName.c_str());
  std::FILE* file = std::fopen(fileName.c_str(), "w");
  if (!file) return false;
  aio_ios ios;
  ios.attach(file, true);
  {
    // The default settings: the builders format what they register as text
    // with them too.
    utl_Stream stream(ios);
    Write(stream);
  }
  ios.close();
  return true;
}

namespace {
void WriteBanner(utl_Stream& stream, const char* title) {
  stream << "**" << endl << "** " << title << endl << "**" << endl;
}
}  // namespace

void oif_Builder::Write(utl_Stream& stream) {
  for (zkw_BuilderComponent* builder : BuildOrder()) builder->Build();
  WriteDeck(stream, jobKeywords_.ModelDefinition(), ListOrder(), *model_, writesParts_);
}

void oif_Builder::WriteDeck(utl_Stream& stream, const zkw_KeywordList& head,
                            const std::vector<zkw_BuilderHandle>& builders, const zkw_Model& model,
                            bool writesParts) {
  zkw_WriteList(head, stream);

  const ddb_Model& ddb = oif_ModelOf(model).DdbModel();
  if (writesParts) WriteBanner(stream, "PARTS");
  for (const cow_String& part : ddb.part().Keys())
    for (const zkw_BuilderHandle& builder : builders) zkw_WriteList(builder->PartDefinition(part), stream);

  if (writesParts) {
    WriteBanner(stream, "ASSEMBLY");
    oif_KeywordLine(stream, "*Assembly").ParamNoBreak("name", ddb.rootAssembly().name()).End();
  }
  for (const cow_String& instance : ddb.rootAssembly().instance().Keys())
    for (const zkw_BuilderHandle& builder : builders)
      zkw_WriteList(builder->InstanceDefinition(instance), stream);

  for (const zkw_BuilderHandle& builder : builders) zkw_WriteList(builder->AssemblyDefinition(), stream);
  for (const zkw_BuilderHandle& builder : builders) zkw_WriteList(builder->ModelDefinition(), stream);

  const kprC_StepContainer steps = model.Steps();
  const std::vector<cow_String> stepNames = steps.Keys();
  for (std::size_t k = 0; k < stepNames.size(); ++k) {
    const cow_String& stepName = stepNames[k];
    for (const zkw_BuilderHandle& builder : builders)
      zkw_WriteList(builder->StepDefinition(stepName, cow_String()), stream);
    if (k == 0) continue;  // the initial step has no load cases
    const auto& step = nex_canDynamicCastRef<kprC_AnalysisStep>(steps.ConstGet(stepName), "oif_Builder", 1);
    const auto& loadCases = nex_canDynamicCastRef<mdl_MapString2ObjCow<klcC_LoadCase>>(
        step.loadCaseRepository(), "oif_Builder", 2);
    for (const cow_String& loadCase : loadCases.Keys()) {
      if (loadCase.empty()) continue;
      for (const zkw_BuilderHandle& builder : builders)
        zkw_WriteList(builder->StepDefinition(stepName, loadCase), stream);
    }
  }
  stream.Flush();
}
