// Warnings of the model check about what loads but is probably wrong, and the
// summary of what the model holds. Both read the document of a file that
// loads, so every name they follow refers to something.
#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "modeldb/korC_OdbRequestTable.h"
#include "modelfile/mfl_Check.h"

namespace mfl {
namespace {

/// Prefixes of the element types the tool knows (the element shapes of the
/// model file's element table); a type outside them is taken as a volume.
constexpr std::string_view kKnownTypePrefixes[] = {
    "C3D", "DC3D", "AC3D", "SC", "CCL", "STRI", "M3D", "R3D", "SFM3D", "CPS", "CPE", "CAX", "DC2D",
    "DCAX", "AC2D", "ACAX", "B3", "PIPE3", "T3D", "FRAME3D", "CONN3D", "B2", "PIPE2", "T2D", "FRAME2D",
    "CONN2D", "R2D", "RAX", "MASS", "ROTARYI", "SPRING", "DASHPOT", "COH", "GK", "S"};

bool KnownType(std::string_view type) {
  for (std::string_view prefix : kKnownTypePrefixes) {
    if (type.substr(0, prefix.size()) != prefix) continue;
    // Shells: S followed by a digit ("S4R", "S8R5"), not any name beginning with S.
    if (prefix == "S") return type.size() > 1 && type[1] >= '0' && type[1] <= '9';
    return true;
  }
  return false;
}

/// Element types that take no section of their own: rigid elements (a rigid
/// body constraint) and connectors (connector section assignments).
bool NeedsNoSection(std::string_view type) {
  for (std::string_view prefix : {"R3D", "R2D", "RAX", "CONN"})
    if (type.substr(0, prefix.size()) == prefix) return true;
  return false;
}

std::size_t ArraySize(const Node* node) {
  if (!node) return 0;
  switch (node->kind()) {
    case Node::Kind::Array: return node->elements().size();
    case Node::Kind::IntArray: return node->ints().size();
    case Node::Kind::RealArray: return node->reals().size();
    default: return 0;
  }
}

const std::vector<Node>& Elements(const Node* node) {
  static const std::vector<Node> none;
  return node && node->kind() == Node::Kind::Array ? node->elements() : none;
}

std::string Text(const Node* node) {
  return node && node->kind() == Node::Kind::String ? node->string() : std::string();
}

std::vector<std::int64_t> Integers(const Node* node) {
  std::vector<std::int64_t> out;
  if (!node) return out;
  if (node->kind() == Node::Kind::IntArray) {
    out.assign(node->ints().begin(), node->ints().end());
  } else if (node->kind() == Node::Kind::RealArray) {
    for (double value : node->reals()) out.push_back(static_cast<std::int64_t>(value));
  }
  return out;
}

class Collector {
 public:
  Collector(const Document& doc, mfl_CheckReport& report) : doc_(doc), report_(report) {}

  void Warn(const Node& at, const std::string& pointer, std::string id, std::string problem) {
    auto [line, column] = doc_.LineColumn(at.offset());
    report_.warnings.push_back({std::move(id), doc_.FileName(), pointer, line, column, std::move(problem)});
  }

  /// Only the warnings about model content the deck leaves out: parts in no
  /// instance and output variables a step cannot write. They need no pass
  /// over the mesh, so the command can give them on every write.
  void RunLeftOut() {
    const Node& root = doc_.Root();
    const std::set<std::string> instancedParts = InstancedParts(root.Find("assembly"));
    const std::vector<Node>& parts = Elements(root.Find("parts"));
    for (std::size_t p = 0; p < parts.size(); ++p) WarnUnusedPart(parts[p], p, instancedParts);
    CheckOutputVariables(root);
  }

  void Run() {
    const Node& root = doc_.Root();
    const Node* assembly = root.Find("assembly");
    const std::set<std::string> instancedParts = InstancedParts(assembly);

    std::size_t nodes = 0, elements = 0, nodeSets = 0, elementSets = 0, surfaces = 0;
    auto countMesh = [&](const Node* mesh, const Node* sets) {
      if (!mesh) return;
      if (const Node* nodeTable = mesh->Find("nodes")) nodes += ArraySize(nodeTable->Find("coordinates")) / 3;
      for (const Node& elementClass : Elements(mesh->Find("elements"))) {
        const Node* per = elementClass.Find("nodesPerElement");
        if (per && per->kind() == Node::Kind::Int && per->integer() > 0)
          elements += ArraySize(elementClass.Find("connectivity")) / std::size_t(per->integer());
      }
      for (const Node& set : Elements(sets)) {
        const std::string kind = Text(set.Find("kind"));
        (kind == "node" ? nodeSets : kind == "element" ? elementSets : surfaces) += 1;
      }
    };

    const std::vector<Node>& parts = Elements(root.Find("parts"));
    for (std::size_t p = 0; p < parts.size(); ++p) {
      const Node& part = parts[p];
      const std::string pointer = "/parts/" + std::to_string(p);
      const Node* mesh = part.Find("mesh");
      countMesh(mesh, mesh ? mesh->Find("sets") : nullptr);
      CheckElementTypes(mesh, pointer + "/mesh");
      if (!WarnUnusedPart(part, p, instancedParts)) CheckSections(part, pointer);
    }
    if (assembly) {
      countMesh(assembly->Find("mesh"), assembly->Find("sets"));
      CheckElementTypes(assembly->Find("mesh"), "/assembly/mesh");
    }
    CheckMaterials(root);
    CheckLayerOrientations(root);
    std::size_t steps = 0, loadCases = 0;
    CheckSteps(root, steps, loadCases);
    CheckOutputVariables(root);

    auto& summary = report_.summary;
    summary = {{"parts", parts.size()},
               {"instances", ArraySize(assembly ? assembly->Find("instances") : nullptr)},
               {"nodes", nodes},
               {"elements", elements},
               {"node sets", nodeSets},
               {"element sets", elementSets},
               {"surfaces", surfaces},
               {"materials", ArraySize(root.Find("materials"))},
               {"sections", ArraySize(root.Find("sections"))},
               {"constraints", ArraySize(root.Find("constraints"))},
               {"analysis steps", steps},
               {"load cases", loadCases}};
    // Other areas of the model file are counted under their member names.
    static const std::set<std::string_view> counted = {"parts", "materials", "sections", "constraints", "steps"};
    for (const NodeMember& member : root.members())
      if (member.second.kind() == Node::Kind::Array && !counted.count(member.first))
        summary.emplace_back(member.first, member.second.elements().size());
  }

 private:
  /// The names of the parts the assembly's instances use.
  static std::set<std::string> InstancedParts(const Node* assembly) {
    std::set<std::string> names;
    for (const Node& instance : Elements(assembly ? assembly->Find("instances") : nullptr))
      if (const Node* part = instance.Find("part")) names.insert(Text(part));
    return names;
  }

  /// Warns of part `p` when no instance uses it; true when it warned.
  bool WarnUnusedPart(const Node& part, std::size_t p, const std::set<std::string>& instancedParts) {
    const std::string name = Text(part.Find("name"));
    if (instancedParts.count(name)) return false;
    Warn(part, "/parts/" + std::to_string(p), "check.unused-part",
         "part '" + name + "' is in no instance of the assembly, so the deck has no block for it");
    return true;
  }

  void CheckElementTypes(const Node* mesh, const std::string& pointer) {
    if (!mesh) return;
    const std::vector<Node>& classes = Elements(mesh->Find("elements"));
    for (std::size_t c = 0; c < classes.size(); ++c) {
      const Node* type = classes[c].Find("type");
      if (!type || KnownType(Text(type)) || classes[c].Find("dimension")) continue;
      Warn(*type, pointer + "/elements/" + std::to_string(c) + "/type", "check.unknown-element-type",
           "element type '" + Text(type) +
               "' is not one the tool knows; its faces are numbered as a volume's (give dimension and "
               "spaceDimension for an element of another shape)");
    }
  }

  /// Elements of an instanced part that no section assignment reaches.
  void CheckSections(const Node& part, const std::string& pointer) {
    const Node* mesh = part.Find("mesh");
    if (!mesh) return;
    std::map<std::string, const Node*> elementSets;
    for (const Node& set : Elements(mesh->Find("sets")))
      if (Text(set.Find("kind")) == "element") elementSets[Text(set.Find("name"))] = &set;
    std::set<std::int64_t> assigned;
    for (const Node& assignment : Elements(part.Find("sectionAssignments"))) {
      auto set = elementSets.find(Text(assignment.Find("region")));
      if (set == elementSets.end()) return;  // a region of another form: assume it covers
      for (std::int64_t label : Integers(set->second->Find("elements"))) assigned.insert(label);
    }
    const std::vector<Node>& classes = Elements(mesh->Find("elements"));
    std::int64_t next = 1;
    for (std::size_t c = 0; c < classes.size(); ++c) {
      const Node& elementClass = classes[c];
      const Node* per = elementClass.Find("nodesPerElement");
      if (!per || per->kind() != Node::Kind::Int || per->integer() <= 0) continue;
      const std::size_t count = ArraySize(elementClass.Find("connectivity")) / std::size_t(per->integer());
      std::vector<std::int64_t> labels = Integers(elementClass.Find("labels"));
      if (labels.empty())
        for (std::size_t i = 0; i < count; ++i) labels.push_back(next + std::int64_t(i));
      if (!labels.empty()) next = *std::max_element(labels.begin(), labels.end()) + 1;
      if (NeedsNoSection(Text(elementClass.Find("type")))) continue;
      std::size_t missing = 0;
      std::int64_t first = 0;
      for (std::int64_t label : labels)
        if (!assigned.count(label) && missing++ == 0) first = label;
      if (missing != 0)
        Warn(elementClass, pointer + "/mesh/elements/" + std::to_string(c), "check.no-section",
             std::to_string(missing) + " of the " + std::to_string(labels.size()) + " elements of type '" +
                 Text(elementClass.Find("type")) + "' have no section (the first is element " +
                 std::to_string(first) + "); the solver refuses elements without a section");
    }
  }

  void CollectMaterialUses(const Node& node, std::set<std::string>& uses) {
    if (node.kind() == Node::Kind::Object) {
      for (const NodeMember& member : node.members()) {
        if (member.first == "material" && member.second.kind() == Node::Kind::String)
          uses.insert(member.second.string());
        CollectMaterialUses(member.second, uses);
      }
    } else if (node.kind() == Node::Kind::Array) {
      for (const Node& element : node.elements()) CollectMaterialUses(element, uses);
    }
  }

  void CheckMaterials(const Node& root) {
    std::set<std::string> uses;
    for (const NodeMember& member : root.members())
      if (member.first != "materials") CollectMaterialUses(member.second, uses);
    const std::vector<Node>& materials = Elements(root.Find("materials"));
    for (std::size_t m = 0; m < materials.size(); ++m) {
      const std::string name = Text(materials[m].Find("name"));
      if (!uses.count(name))
        Warn(materials[m], "/materials/" + std::to_string(m), "check.unused-material",
             "material '" + name + "' is used by no section");
    }
  }

  /// Orientation names that keyword text defines ("*Orientation, name=NAME").
  void CollectOrientations(const Node& node, const std::string& key, std::set<std::string>& names) {
    if (node.kind() == Node::Kind::Object) {
      for (const NodeMember& member : node.members()) CollectOrientations(member.second, member.first, names);
    } else if (node.kind() == Node::Kind::Array) {
      for (const Node& element : node.elements()) CollectOrientations(element, key, names);
    } else if (node.kind() == Node::Kind::String && (key == "keywords" || key == "headKeywords")) {
      const std::string& text = node.string();
      for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        std::string lower = line;  // same positions as `line`
        for (char& c : lower) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        const std::size_t keyword = lower.find_first_not_of(' ');
        if (keyword != std::string::npos && lower.compare(keyword, 12, "*orientation") == 0) {
          for (std::size_t comma = lower.find(','); comma != std::string::npos; comma = lower.find(',', comma + 1)) {
            std::size_t at = lower.find_first_not_of(' ', comma + 1);
            if (at == std::string::npos || lower.compare(at, 4, "name") != 0) continue;
            at = lower.find_first_not_of(' ', at + 4);
            if (at == std::string::npos || lower[at] != '=') continue;
            std::string value = line.substr(at + 1, lower.find(',', at) - at - 1);
            const std::size_t first = value.find_first_not_of(" \"");
            const std::size_t last = value.find_last_not_of(" \"\r");
            if (first != std::string::npos) names.insert(value.substr(first, last - first + 1));
          }
        }
        start = end + 1;
      }
    }
  }

  /// Layer and rebar orientations name an orientation of the deck: one that
  /// keyword text defines, a datum system's, or a material orientation's
  /// ("Ori-n").
  void CheckLayerOrientations(const Node& root) {
    std::set<std::string> known;
    CollectOrientations(root, "", known);
    for (const Node& datum : Elements(root.Find("datums"))) known.insert(Text(datum.Find("name")));
    const std::vector<Node>& sections = Elements(root.Find("sections"));
    for (std::size_t s = 0; s < sections.size(); ++s) {
      const std::string pointer = "/sections/" + std::to_string(s);
      auto check = [&](const std::vector<Node>& layers, const std::string& where) {
        for (std::size_t l = 0; l < layers.size(); ++l) {
          const Node* orientation = layers[l].Find("orientation");
          if (!orientation || orientation->kind() != Node::Kind::String) continue;
          const std::string& name = orientation->string();
          const bool generated = name.rfind("Ori-", 0) == 0 && name.size() > 4 &&
                                 name.find_first_not_of("0123456789", 4) == std::string::npos;
          if (known.count(name) || generated) continue;
          Warn(*orientation, where + "/" + std::to_string(l) + "/orientation", "check.unknown-orientation",
               "orientation '" + name +
                   "' is defined nowhere: neither by keyword text (*Orientation, name=...) nor as a datum system");
        }
      };
      check(Elements(sections[s].Find("layers")), pointer + "/layers");
      if (const Node* rebar = sections[s].Find("rebarLayers"))
        check(Elements(rebar->Find("layers")), pointer + "/rebarLayers/layers");
    }
  }

  /// The steps in which some boundary condition, load or field is active
  /// (from its creation to its deactivation, or each step of its history).
  static std::vector<bool> StepsWithConditions(const Node& root, const std::vector<Node>& steps) {
    std::vector<bool> active(steps.size(), false);
    auto index = [&](const Node* name, std::size_t otherwise) {
      if (name == nullptr) return otherwise;
      const std::string text = Text(name);
      for (std::size_t s = 0; s < steps.size(); ++s)
        if (Text(steps[s].Find("name")) == text) return s;
      return otherwise;
    };
    for (const char* area : {"boundaryConditions", "loads", "fields", "interactions"}) {
      for (const Node& condition : Elements(root.Find(area))) {
        if (const Node* history = condition.Find("history")) {
          for (const Node& entry : Elements(history)) {
            const std::size_t s = index(entry.Find("step"), steps.size());
            if (s < steps.size()) active[s] = true;
          }
          continue;
        }
        const std::size_t first = index(condition.Find("createdIn"), 0);
        const std::size_t last = index(condition.Find("deactivatedIn"), steps.size() - 1);
        for (std::size_t s = first; s <= last && s < steps.size(); ++s) active[s] = true;
      }
    }
    return active;
  }

  void CheckSteps(const Node& root, std::size_t& steps, std::size_t& loadCases) {
    const std::vector<Node>& all = Elements(root.Find("steps"));
    const std::vector<bool> conditions = StepsWithConditions(root, all);
    for (std::size_t s = 0; s < all.size(); ++s) {
      const Node& step = all[s];
      const std::string kind = Text(step.Find("kind"));
      if (kind == "initial") continue;
      ++steps;
      loadCases += ArraySize(step.Find("loadCases"));
      // Eigenvalue steps need nothing but their procedure.
      if (kind == "frequency" || kind == "buckle" || kind == "complex frequency") continue;
      bool holds = conditions[s];
      for (const NodeMember& member : step.members()) {
        if (member.first == "keywords") holds = holds || !Text(&member.second).empty() ||
                                                ArraySize(&member.second) != 0;
        else if (member.second.kind() == Node::Kind::Array) holds = holds || ArraySize(&member.second) != 0;
      }
      if (!holds)
        Warn(step, "/steps/" + std::to_string(s), "check.empty-step",
             "step '" + Text(step.Find("name")) +
                 "' has nothing in it: no condition, no load cases and no keyword text, only its procedure");
    }
  }

  /// Output variables that the procedure of a step in which their request
  /// is active cannot write on the request's channel: the deck leaves them
  /// out there.
  void CheckOutputVariables(const Node& root) {
    std::vector<std::string> stepNames;
    std::vector<int> procedures;  // -1: the initial step
    for (const Node& step : Elements(root.Find("steps"))) {
      const std::string kind = Text(step.Find("kind"));
      if (stepNames.empty() && kind != "initial") {
        stepNames.push_back("Initial");
        procedures.push_back(-1);
      }
      stepNames.push_back(Text(step.Find("name")));
      int procedure = -1;
      for (const kprC_StepKindInfo& row : kprC_StepKindTable)
        if (kind == row.fileName) procedure = int(row.kind);
      procedures.push_back(procedure);
    }
    auto indexOf = [&](const Node* name) {
      const std::string text = Text(name);
      for (std::size_t i = 0; i < stepNames.size(); ++i)
        if (stepNames[i] == text) return long(i);
      return -1L;
    };
    auto names = [](const Node* variables) {
      std::vector<std::string> out;
      for (const Node& name : Elements(variables)) out.push_back(Text(&name));
      return out;
    };
    const std::vector<Node>& requests = Elements(root.Find("outputRequests"));
    for (std::size_t r = 0; r < requests.size(); ++r) {
      const Node& request = requests[r];
      const int channel = Text(request.Find("channel")) == "history" ? kprC_HistoryChannel : kprC_FieldChannel;
      // Variables named per step: from the step they are given in until the next change.
      std::vector<std::pair<long, std::vector<std::string>>> given;
      std::vector<long> ends;
      if (const Node* history = request.Find("history")) {
        for (const Node& entry : Elements(history)) {
          const Node* status = entry.Find("status");
          const bool active = status && status->kind() == Node::Kind::Int && status->integer() >= 1 &&
                              status->integer() <= 3;
          const Node* values = entry.Find("values");
          const long step = indexOf(entry.Find("step"));
          if (!active) {
            ends.push_back(step);
          } else if (values && values->Find("variables")) {
            given.emplace_back(step, names(values->Find("variables")));
          }
        }
      } else {
        const long created = request.Find("createdIn") ? indexOf(request.Find("createdIn")) : 0;
        given.emplace_back(created, names(request.Find("variables")));
        for (const Node& change : Elements(request.Find("changes")))
          if (change.Find("variables")) given.emplace_back(indexOf(change.Find("step")), names(change.Find("variables")));
        if (request.Find("deactivatedIn")) ends.push_back(indexOf(request.Find("deactivatedIn")));
      }
      for (std::size_t g = 0; g < given.size(); ++g) {
        const long from = given[g].first;
        long to = g + 1 < given.size() ? given[g + 1].first : long(stepNames.size());
        for (long end : ends)
          if (end > from && end < to) to = end;
        for (long step = std::max(from, 1L); step < to; ++step) {
          if (procedures[std::size_t(step)] < 0) continue;
          const unsigned procedure = unsigned(procedures[std::size_t(step)]);
          for (const std::string& name :
               korC_OdbRequestTable::GetInvalidPrintIdentifiers(given[g].second, procedure, channel))
            Warn(request, "/outputRequests/" + std::to_string(r), "check.output-variable",
                 "output variable '" + name + "' of request '" + Text(request.Find("name")) + "' cannot be written by " +
                     (channel == kprC_FieldChannel ? "field" : "history") + " output of step '" +
                     stepNames[std::size_t(step)] + "' (" + kprC_StepKindTable[procedure].fileName +
                     "); the deck leaves it out there");
        }
      }
    }
  }

  const Document& doc_;
  mfl_CheckReport& report_;
};

}  // namespace

void CollectCheckWarnings(const Document& doc, mfl_CheckReport& report) { Collector(doc, report).Run(); }

std::vector<mfl_CheckWarning> CollectLeftOutWarnings(const Document& doc) {
  mfl_CheckReport report;
  Collector(doc, report).RunLeftOut();
  return std::move(report.warnings);
}

}  // namespace mfl
