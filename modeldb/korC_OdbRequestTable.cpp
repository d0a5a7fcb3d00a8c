#include "modeldb/korC_OdbRequestTable.h"

#include <algorithm>

namespace {

/// The names of a space-separated list.
std::vector<std::string> Words(const char* text) {
  std::vector<std::string> words;
  std::string_view rest(text);
  while (!rest.empty()) {
    const std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find(' '), rest.size());
    words.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end);
  }
  return words;
}

const korC_DefaultOutputRow& DefaultRow(unsigned procedureType) {
  NEX_ASSERT(procedureType < unsigned(kprC_StepKind::Count));
  return korC_DefaultOutputRows[procedureType];
}

}  // namespace

int korC_DefaultOutputType(unsigned procedureType, int channel) {
  const korC_DefaultOutputRow& row = DefaultRow(procedureType);
  return channel == kprC_HistoryChannel ? row.historyType : row.fieldType;
}

std::span<const korC_OdbRequestInfo> korC_OdbRequestTable::Rows() { return korC_RequestRows; }

const korC_OdbRequestInfo* korC_OdbRequestTable::Find(std::string_view name) {
  for (const korC_OdbRequestInfo& row : korC_RequestRows)
    if (name == row.name) return &row;
  return nullptr;
}

bool korC_OdbRequestTable::IsParentRequest(std::string_view name) {
  const korC_OdbRequestInfo* row = Find(name);
  return row != nullptr && row->parent == nullptr;
}

bool korC_OdbRequestTable::IsComponentRequest(std::string_view name) {
  const korC_OdbRequestInfo* row = Find(name);
  return row != nullptr && row->parent != nullptr;
}

const korC_OdbRequestInfo* korC_OdbRequestTable::ParentOf(std::string_view name) {
  const korC_OdbRequestInfo* row = Find(name);
  if (row == nullptr || row->parent == nullptr) return row;
  return Find(row->parent);
}

const korC_OdbRequestInfo* korC_OdbRequestTable::Lookup(std::string_view name, unsigned procedureType, int channel) {
  const korC_OdbRequestInfo* row = Find(name);
  if (row == nullptr || row->parent != nullptr) return nullptr;
  const unsigned physics = kprC_Procedure(procedureType).physics;
  if ((row->validFor & physics) == 0 || (row->notFor & physics) != 0) return nullptr;
  if (channel != 0 && (row->channels >> channel & 1u) == 0) return nullptr;
  return row;
}

std::vector<std::string> korC_OdbRequestTable::GetInvalidPrintIdentifiers(const std::vector<std::string>& names,
                                                                          unsigned procedureType, int channel) {
  std::vector<std::string> invalid;
  for (const std::string& name : names) {
    const korC_OdbRequestInfo* parent = ParentOf(name);
    if (parent == nullptr || Lookup(parent->name, procedureType, channel) == nullptr) invalid.push_back(name);
  }
  return invalid;
}

std::vector<std::string> korC_OdbRequestTable::GetUnknownIdentifiers(const std::vector<std::string>& names) {
  std::vector<std::string> unknown;
  for (const std::string& name : names)
    if (Find(name) == nullptr) unknown.push_back(name);
  return unknown;
}

std::vector<std::string> korC_OdbRequestTable::Defaults(unsigned procedureType, int channel) {
  const korC_DefaultOutputRow& row = DefaultRow(procedureType);
  return Words(channel == kprC_HistoryChannel ? row.historyDefaults : row.fieldDefaults);
}

std::vector<std::string> korC_OdbRequestTable::All(unsigned procedureType, int channel) {
  std::vector<std::string> all;
  for (const korC_OdbRequestInfo& row : korC_RequestRows)
    if (Lookup(row.name, procedureType, channel) != nullptr) all.emplace_back(row.name);
  return all;
}
