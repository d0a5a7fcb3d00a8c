// The materials' JSON Schema and the reference part of the model file docs
// are generated from the model database's option table, so that neither is
// typed twice. These tests compare the files with what the table gives;
// with OIF_UPDATE_REFERENCE=1 in the environment they rewrite them instead.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "material_support.h"
#include "modeldb/kmaC_Material.h"

namespace {

const std::string kSchemaPath = std::string(OIF_SOURCE_DIR) + "/docs/schema/materials.schema.json";
const std::string kDocsPath = std::string(OIF_SOURCE_DIR) + "/docs/model-file.md";
constexpr const char* kBegin = "<!-- generated from the option table: begin -->\n";
constexpr const char* kEnd = "<!-- generated from the option table: end -->\n";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Updating() {
  const char* update = std::getenv("OIF_UPDATE_REFERENCE");
  return update != nullptr && std::string(update) == "1";
}

std::string Number(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

/// "kmaC_Elastic::TypeEnm" as a key of the schema's definitions.
std::string EnumKey(const omu_PrimEnumBase& enumeration) {
  const std::string name = enumeration.Name();
  const std::size_t colons = name.find("::");
  std::string key = name.substr(0, colons);
  key.append(".").append(name.substr(colons + 2));
  return key;
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string AttrSchema(const kmaC_AttrInfo& attr) {
  switch (attr.type) {
    case kmaC_AttrType::Real:
      return R"({"type": "number"})";
    case kmaC_AttrType::Int:
      return attr.minimum > -mdl_UnsetDouble
                 ? R"({"type": "integer", "minimum": )" + Number(attr.minimum) + ", \"maximum\": 2147483647}"
                 : R"({"$ref": "common.schema.json#/$defs/int32"})";
    case kmaC_AttrType::Bool:
      return R"({"type": "boolean"})";
    case kmaC_AttrType::Enum:
      return R"({"$ref": "#/$defs/)" + EnumKey(*attr.enumeration) + "\"}";
    case kmaC_AttrType::Reals:
      return R"({"type": "array", "items": {"type": "number"}})";
    case kmaC_AttrType::Table:
      break;
  }
  return R"({"$ref": "#/$defs/tableData"})";
}

std::string GenerateSchema() {
  std::ostringstream out;
  out << R"({
  "$schema": "https://json-schema.org/draft/2020-12/schema",
  "$id": "materials.schema.json",
  "description": "Generated from the option table of the model database (tests/test_material_reference.cpp).",
  "$defs": {
    "material": {
      "type": "object",
      "required": ["name"],
      "additionalProperties": false,
      "properties": {
        "name": {"$ref": "common.schema.json#/$defs/name"},
        "regularization": {"$ref": "#/$defs/regularization"})";
  for (const kmaC_OptionInfo& info : kmaC_OptionTable())
    if (kmaC_Material::SlotOf(info.kind) >= 0)
      out << ",\n        " << Quote(info.fileName) << ": {\"$ref\": \"#/$defs/" << info.fileName << "\"}";
  out << R"(
      }
    },
    "regularization": {
      "type": "object",
      "additionalProperties": false,
      "properties": {
        "rtol": {"type": "number", "exclusiveMinimum": 0},
        "strainRateRegularization": {"$ref": "#/$defs/)"
      << EnumKey(kmaC_Regularization::StrainRateRegularization) << R"("}
      }
    },
    "table": {
      "description": "Rows of equal length; null leaves a value's field empty.",
      "type": "array",
      "items": {"type": "array", "minItems": 1, "items": {"type": ["number", "null"]}}
    },
    "tableData": {
      "type": "object",
      "additionalProperties": false,
      "properties": {
        "table": {"$ref": "#/$defs/table"},
        "temperatureDependency": {"type": "boolean"},
        "dependencies": {"type": "integer", "minimum": 0, "maximum": 2147483647}
      }
    })";
  for (const kmaC_OptionInfo& info : kmaC_OptionTable()) {
    out << ",\n    " << Quote(info.fileName) << ": {\n      \"type\": \"object\",\n";
    std::string required;
    for (const kmaC_AttrInfo& attr : info.Attrs())
      if (attr.required) required += (required.empty() ? "" : ", ") + Quote(kmaC_AttrName(attr.attr));
    if (!required.empty()) out << "      \"required\": [" << required << "],\n";
    out << "      \"additionalProperties\": false,\n      \"properties\": {";
    bool first = true;
    const auto member = [&](const std::string& name, const std::string& schema) {
      out << (first ? "\n" : ",\n") << "        " << Quote(name) << ": " << schema;
      first = false;
    };
    if (info.hasTable) {
      member("table", R"({"$ref": "#/$defs/table"})");
      member("temperatureDependency", R"({"type": "boolean"})");
    }
    if (info.fieldDependent) member("dependencies", R"({"type": "integer", "minimum": 0, "maximum": 2147483647})");
    for (const kmaC_AttrInfo& attr : info.Attrs()) member(kmaC_AttrName(attr.attr), AttrSchema(attr));
    for (kmaC_OptionKind sub : info.SubOptions())
      member(kmaC_Info(sub).fileName, R"({"$ref": "#/$defs/)" + std::string(kmaC_Info(sub).fileName) + "\"}");
    out << (first ? "}\n    }" : "\n      }\n    }");
  }
  for (const omu_PrimEnumBase* enumeration : kmaC_AllEnumerations) {
    std::string texts;
    for (int value = 0; value < enumeration->Size(); ++value)
      texts += (value == 0 ? "" : ", ") + Quote(enumeration->GetString(value));
    out << ",\n    " << Quote(EnumKey(*enumeration)) << ": {\"oneOf\": [{\"enum\": [" << texts
        << "]}, {\"type\": \"integer\", \"minimum\": 0, \"maximum\": " << enumeration->Size() - 1 << "}]}";
  }
  out << "\n  }\n}\n";
  return out.str();
}

/// The keyword an option writes first.
std::string KeywordOf(kmaC_OptionKind kind) {
  if (const oif_OptionRow* row = oif_FindOptionRow(kind)) return row->keyword;
  const std::string out = mtest::Write(kmaC_MaterialOption(kind));
  return out.substr(0, out.find_first_of(",\n"));
}

/// An enumeration named by what it means: "kmaC_Elastic::TypeEnm" is
/// "elastic type", "kmaC_ThicknessBehavior::VariableUnitsEnm" "thickness
/// behavior variable units".
std::string MeaningOf(const omu_PrimEnumBase& enumeration) {
  std::string name = enumeration.Name();
  if (name.rfind("kmaC_", 0) == 0) name.erase(0, 5);
  if (name.size() > 3 && name.compare(name.size() - 3, 3, "Enm") == 0) name.erase(name.size() - 3);
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c == ':') {
      if (i + 1 < name.size() && name[i + 1] == ':') ++i;
      out += ' ';
    } else if (c >= 'A' && c <= 'Z') {
      if (!out.empty() && out.back() != ' ' && !(name[i - 1] >= 'A' && name[i - 1] <= 'Z')) out += ' ';
      out += char(c - 'A' + 'a');
    } else {
      out += c;
    }
  }
  return out;
}

std::string AttrDoc(const kmaC_AttrInfo& attr) {
  std::string text = "`";
  text.append(kmaC_AttrName(attr.attr)).append("` ");
  switch (attr.type) {
    case kmaC_AttrType::Real:
      text += "number";
      if (attr.defaultValue != mdl_UnsetDouble) text += " = " + Number(attr.defaultValue);
      break;
    case kmaC_AttrType::Int:
      text += "integer";
      if (attr.defaultValue != double(mdl_UnsetInt)) text += " = " + Number(attr.defaultValue);
      if (attr.minimum > -mdl_UnsetDouble) text += ", ≥ " + Number(attr.minimum);
      break;
    case kmaC_AttrType::Bool:
      text += "boolean";
      break;
    case kmaC_AttrType::Enum:
      text.append("*").append(MeaningOf(*attr.enumeration)).append("* = `");
      text.append(attr.enumeration->GetString(int(attr.defaultValue))).append("`");
      break;
    case kmaC_AttrType::Reals:
      text += "array of numbers";
      break;
    case kmaC_AttrType::Table:
      text += "table object";
      break;
  }
  if (attr.required) text += ", required";
  return text;
}

std::string GenerateDocs() {
  std::ostringstream out;
  out << kBegin;
  out << "\n| member | deck keyword | table | parameters | sub-options |\n|---|---|---|---|---|\n";
  for (const kmaC_OptionInfo& info : kmaC_OptionTable()) {
    out << "| `" << info.fileName << "` | `" << KeywordOf(info.kind) << "` | "
        << (info.fieldDependent ? "yes, with field variables" : info.hasTable ? "yes" : "no") << " | ";
    for (int i = 0; i < info.attrCount; ++i) out << (i == 0 ? "" : "; ") << AttrDoc(info.Attrs()[std::size_t(i)]);
    out << " | ";
    for (int i = 0; i < info.subOptionCount; ++i)
      out << (i == 0 ? "" : ", ") << "`" << kmaC_Info(info.SubOptions()[std::size_t(i)]).fileName << "`";
    out << " |\n";
    if (info.kind == kmaC_OptionKind::ConcreteDamagedPlasticity)
      out << "| *sub-options (members of their parent)* | | | | |\n";
    if (info.kind == kmaC_OptionKind::CapCreepCohesion) out << "| *gasket behaviours* | | | | |\n";
  }
  out << "\n| enumeration | values: number and text |\n|---|---|\n";
  for (const omu_PrimEnumBase* enumeration : kmaC_AllEnumerations) {
    out << "| " << MeaningOf(*enumeration) << " | ";
    for (int value = 0; value < enumeration->Size(); ++value)
      out << (value == 0 ? "" : ", ") << value << " `" << enumeration->GetString(value) << "`";
    out << " |\n";
  }
  out << "\n" << kEnd;
  return out.str();
}

TEST(MaterialReference, SchemaMatchesTheOptionTable) {
  const std::string generated = GenerateSchema();
  if (Updating()) std::ofstream(kSchemaPath, std::ios::binary) << generated;
  EXPECT_EQ(ReadFile(kSchemaPath), generated) << "run the tests with OIF_UPDATE_REFERENCE=1 to regenerate";
}

TEST(MaterialReference, DocsMatchTheOptionTable) {
  std::string docs = ReadFile(kDocsPath);
  const std::size_t begin = docs.find(kBegin);
  const std::size_t end = docs.find(kEnd);
  ASSERT_NE(begin, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  const std::string generated = GenerateDocs();
  if (Updating()) {
    docs.replace(begin, end + std::string(kEnd).size() - begin, generated);
    std::ofstream(kDocsPath, std::ios::binary) << docs;
    return;
  }
  EXPECT_EQ(docs.substr(begin, end + std::string(kEnd).size() - begin), generated)
      << "run the tests with OIF_UPDATE_REFERENCE=1 to regenerate";
}

}  // namespace
