// Reading of the "sections" member. Each kind of section has a reader of its
// own, found by the section's "kind".
#include "modeldb/kseC_GasketSection.h"
#include "modelfile/mfl_Loader.h"

namespace mfl {

namespace {
std::shared_ptr<kseC_Section> ReadGasketSection(const std::string& name, const Ref& ref,
                                                const ddb_ModelContents& contents) {
  ref.AllowOnly({"name", "kind", "material"});
  const Ref materialRef = ref.Get("material");
  const std::string material = materialRef.AsString();
  if (!contents.materials.IsMember(material))
    materialRef.Fail("model.unknown-reference", "no material named \"" + material + "\"");
  return std::make_shared<kseC_GasketSection>(name, material);
}
}  // namespace

const std::map<std::string, SectionFactory, std::less<>>& SectionKinds() {
  static const std::map<std::string, SectionFactory, std::less<>> kinds = {
      {"gasket", ReadGasketSection},
  };
  return kinds;
}

void ReadSections(const Ref& sections, ddb_ModelContents& contents) {
  std::map<std::string, std::size_t> seen;
  sections.ForEachElement([&](const Ref& ref) {
    if (!ref.IsObject()) ref.Fail("model.type", "expected a section: an object with a name and a kind");
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, "section");
    const Ref kindRef = ref.Get("kind");
    const std::string kind = kindRef.AsString();
    const auto factory = SectionKinds().find(kind);
    if (factory == SectionKinds().end()) {
      std::string known;
      for (const auto& [kindName, read] : SectionKinds()) known += (known.empty() ? "" : ", ") + kindName;
      kindRef.Fail("model.enum", "unknown section kind \"" + kind + "\"; expected " + known);
    }
    contents.sections.Add(name, factory->second(name, ref, contents));
  });
}

}  // namespace mfl
