// Reading of the "materials" member: every material with its regularization
// and its behaviours, each behaviour with its table, its parameters and its
// sub-options. What a behaviour may hold comes from the model database's
// option table, so every kind is read by the same code.
#include <string>

#include "modeldb/kmaC_Material.h"
#include "modelfile/mfl_Loader.h"
#include "modelfile/mfl_Members.h"
#include "modelfile/mfl_TableColumns.h"

namespace mfl {

int ReadEnum(const Ref& ref, const omu_PrimEnumBase& enumeration) {
  if (ref.IsString()) {
    const std::string text = ref.AsString();
    const int value = enumeration.Find(text);
    if (value < 0) FailUnknown(ref, "value", text, enumeration.List());
    return value;
  }
  if (!ref.IsNumber()) ref.Fail("model.type", "expected one of: " + enumeration.List() + " (or its number)");
  const int value = ref.AsInt();
  if (value < 0 || value >= enumeration.Size())
    ref.Fail("model.enum", "no value " + std::to_string(value) + "; expected 0 to " +
                               std::to_string(enumeration.Size() - 1) + " or one of: " + enumeration.List());
  return value;
}

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

/// A row of a table: numbers, and null for a value that is not given.
std::vector<double> ReadRow(const Ref& row) {
  if (!row.IsArray()) row.Fail("model.type", "expected a row: an array of numbers");
  if (row.node().kind() != Node::Kind::Array) return row.Reals();
  std::vector<double> values;
  for (std::size_t i = 0; i < row.Size(); ++i) {
    const Ref value = row.At(i);
    values.push_back(value.IsNull() ? mdl_UnsetDouble : value.AsDouble());
  }
  return values;
}

std::string ValuesText(int count) { return std::to_string(count) + (count == 1 ? " value" : " values"); }

std::string ColumnsText(int count) { return std::to_string(count) + (count == 1 ? " column" : " columns"); }

/// A table given as rows of equal length, whose columns leave room for the
/// option's own values besides the temperature column and one column per
/// field variable.
kmaC_MaterialTable ReadTable(const Ref& ref, bool temperatureDependency, int dependencies) {
  if (!ref.IsArray() || (ref.node().kind() != Node::Kind::Array && ref.Size() != 0))
    ref.Fail("model.type", "expected the table as an array of rows, each an array of numbers");
  std::vector<double> values;
  int columns = 0;
  int rows = 0;
  ref.ForEachElement([&](const Ref& rowRef) {
    std::vector<double> row = ReadRow(rowRef);
    if (row.empty()) rowRef.Fail("model.table", "a row of a table holds at least one value");
    if (rows == 0) {
      columns = int(row.size());
    } else if (int(row.size()) != columns) {
      rowRef.Fail("model.table", "this row has " + ValuesText(int(row.size())) + ", the rows before it have " +
                                     std::to_string(columns) + "; all rows of a table have the same length");
    }
    values.insert(values.end(), row.begin(), row.end());
    ++rows;
  });
  const int fixed = (temperatureDependency ? 1 : 0) + dependencies;
  if (rows > 0 && columns <= fixed) {
    std::string layout;
    if (temperatureDependency) layout = "a temperature column";
    if (dependencies > 0)
      layout += (layout.empty() ? "" : " and ") + ColumnsText(dependencies) + " of field variables";
    ref.Fail("model.table", "the table has " + ColumnsText(columns) + ", but " + layout +
                                " leave no column for the values themselves");
  }
  return kmaC_MaterialTable(rows, columns, std::move(values));
}

struct TableLayout {
  bool temperatureDependency = false;
  int dependencies = 0;
};

TableLayout ReadLayout(const Ref& ref, bool fieldDependent) {
  TableLayout layout;
  if (ref.Has("temperatureDependency")) layout.temperatureDependency = ref.Get("temperatureDependency").AsBool();
  if (fieldDependent && ref.Has("dependencies")) {
    const Ref count = ref.Get("dependencies");
    layout.dependencies = count.AsInt();
    if (layout.dependencies < 0) count.Fail("model.range", "the number of field variables cannot be negative");
  }
  return layout;
}

/// A further table of an option: {"table": [...], "temperatureDependency", "dependencies"}.
kmaC_TableData ReadTableData(const Ref& ref) {
  static const Members<kmaC_TableData> members = [] {
    Members<kmaC_TableData> m;
    // The table's layout is read first: it says how the rows are read.
    m.Group({"table", "temperatureDependency", "dependencies"}, [](const Ref& owner, kmaC_TableData& data) {
      const TableLayout layout = ReadLayout(owner, true);
      data.temperatureDependency = layout.temperatureDependency;
      data.dependencies = layout.dependencies;
      if (owner.Has("table"))
        data.table = ReadTable(owner.Get("table"), layout.temperatureDependency, layout.dependencies);
    });
    return m;
  }();
  kmaC_TableData data;
  members.ReadObject(ref, data);
  return data;
}

void CheckMinimum(const Ref& ref, double value, const kmaC_AttrInfo& info) {
  if (value < info.minimum)
    ref.Fail("model.range", std::string(kmaC_AttrName(info.attr)) + " must be at least " +
                                std::to_string(int(info.minimum)));
}

void ReadAttr(const Ref& ref, const kmaC_AttrInfo& info, kmaC_MaterialOption& option) {
  switch (info.type) {
    case kmaC_AttrType::Real: {
      const double value = ref.AsDouble();
      CheckMinimum(ref, value, info);
      option.Set(info.attr, value);
      return;
    }
    case kmaC_AttrType::Int: {
      const int value = ref.AsInt();
      CheckMinimum(ref, value, info);
      option.Set(info.attr, value);
      return;
    }
    case kmaC_AttrType::Bool:
      option.Set(info.attr, ref.AsBool());
      return;
    case kmaC_AttrType::Enum:
      option.Set(info.attr, ReadEnum(ref, *info.enumeration));
      return;
    case kmaC_AttrType::Reals:
      option.Set(info.attr, ref.Reals());
      return;
    case kmaC_AttrType::Table:
      option.Set(info.attr, ReadTableData(ref));
      return;
  }
}

/// The members an option of this kind may have, for messages.
std::string AllowedMembers(const kmaC_OptionInfo& info) {
  std::string list;
  const auto add = [&](const char* name) { list += (list.empty() ? "" : ", ") + std::string(name); };
  if (info.hasTable) {
    add("table");
    add("temperatureDependency");
  }
  if (info.fieldDependent) add("dependencies");
  for (const kmaC_AttrInfo& attr : info.Attrs()) add(kmaC_AttrName(attr.attr));
  for (kmaC_OptionKind sub : info.SubOptions()) add(kmaC_Info(sub).fileName);
  return list.empty() ? "(nothing)" : list;
}

std::shared_ptr<const kmaC_MaterialOption> ReadOption(kmaC_OptionKind kind, const Ref& ref) {
  const kmaC_OptionInfo& info = kmaC_Info(kind);
  if (!ref.IsObject())
    ref.Fail("model.type", std::string("expected an object holding the ") + info.fileName + " behaviour");
  auto option = std::make_shared<kmaC_MaterialOption>(kind);
  const TableLayout layout = info.hasTable ? ReadLayout(ref, info.fieldDependent) : TableLayout();
  ref.ForEachMember([&](const std::string& key, const Ref& value) {
    if (info.hasTable && (key == "table" || key == "temperatureDependency")) return;
    if (info.fieldDependent && key == "dependencies") return;
    for (const kmaC_AttrInfo& attr : info.Attrs())
      if (key == kmaC_AttrName(attr.attr)) return ReadAttr(value, attr, *option);
    for (kmaC_OptionKind sub : info.SubOptions())
      if (key == kmaC_Info(sub).fileName) return option->SetSubOption(ReadOption(sub, value));
    value.Fail("model.unknown-member", "unknown member " + Quoted(key) + " of " + info.fileName +
                                           "; expected one of: " + AllowedMembers(info));
  });
  for (const kmaC_AttrInfo& attr : info.Attrs())
    if (attr.required) ref.Get(kmaC_AttrName(attr.attr));  // refuses the missing member
  if (info.hasTable && ref.Has("table")) {
    const Ref tableRef = ref.Get("table");
    kmaC_MaterialTable table = ReadTable(tableRef, layout.temperatureDependency, layout.dependencies);
    const int own = table.Columns() - (layout.temperatureDependency ? 1 : 0) - layout.dependencies;
    if (info.AttrIndex(kmaC_Attr::RateData) >= 0 && option->Flag(kmaC_Attr::RateData) && table.Rows() > 0 && own < 3)
      tableRef.Fail("model.table", "with rate data the table carries the rate in column 3 (index 2); it has " +
                                       ColumnsText(own) + " of values");
    if (table.Rows() > 0) CheckTableValues(*option, own, tableRef);
    option->SetTable(std::move(table), layout.temperatureDependency, layout.dependencies);
  } else {
    option->SetTable(kmaC_MaterialTable(), layout.temperatureDependency, layout.dependencies);
  }
  return option;
}

/// The kinds a material holds directly: the behaviours and the gasket behaviours.
std::vector<kmaC_OptionKind> MaterialKinds() {
  std::vector<kmaC_OptionKind> kinds;
  for (const kmaC_OptionInfo& info : kmaC_OptionTable())
    if (kmaC_Material::SlotOf(info.kind) >= 0) kinds.push_back(info.kind);
  return kinds;
}

kmaC_Regularization ReadRegularization(const Ref& ref) {
  using R = kmaC_Regularization;
  static const Members<R> members = [] {
    Members<R> m;
    m.Custom("rtol",
             [](const Ref& rtol, R& r) {
               r.rtol = rtol.AsDouble();
               if (r.rtol <= 0.0) rtol.Fail("model.range", "rtol must be greater than 0");
             })
        .Custom("strainRateRegularization", [](const Ref& value, R& r) {
          r.strainRateRegularization = ReadEnum(value, R::StrainRateRegularization);
        });
    return m;
  }();
  kmaC_Regularization regularization;
  members.ReadObject(ref, regularization);
  return regularization;
}

}  // namespace

void ReadMaterials(const Ref& materials, ddb_ModelContents& contents) {
  static const std::vector<kmaC_OptionKind> kinds = MaterialKinds();
  std::map<std::string, std::size_t> seen;
  materials.ForEachElement([&](const Ref& ref) {
    if (!ref.IsObject()) ref.Fail("model.type", "expected a material: an object with a name and its behaviours");
    const std::string name = ReadName(ref.Get("name"));
    CheckUnique(ref.Get("name"), name, seen, "material");
    auto material = std::make_shared<kmaC_Material>(name);
    ref.ForEachMember([&](const std::string& key, const Ref& value) {
      if (key == "name") return;
      if (key == "regularization") return material->SetRegularization(ReadRegularization(value));
      for (kmaC_OptionKind kind : kinds)
        if (key == kmaC_Info(kind).fileName) return material->SetOption(ReadOption(kind, value));
      std::string expected = "name, regularization";
      for (kmaC_OptionKind kind : kinds) expected += std::string(", ") + kmaC_Info(kind).fileName;
      value.Fail("model.unknown-member",
                 "unknown member " + Quoted(key) + " of a material; expected one of: " + expected);
    });
    contents.materials.Add(name, material);
  });
}

}  // namespace mfl
