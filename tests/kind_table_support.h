#pragma once
// Helpers of the kind table tests: the JSON Schema files and the model file
// docs, read to check them against the tables.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "modelfile/mfl_Json.h"

namespace test {

/// A schema file of docs/schema.
inline mfl::Document Schema(const std::string& file) {
  return mfl::Document::Load(std::string(OIF_SOURCE_DIR) + "/docs/schema/" + file);
}

/// The node at a path of member keys; fails the test when one is missing.
inline const mfl::Node* At(const mfl::Node& root, std::initializer_list<const char*> path) {
  const mfl::Node* node = &root;
  for (const char* key : path) {
    node = node->Find(key);
    if (node == nullptr) {
      ADD_FAILURE() << "no member " << key;
      return nullptr;
    }
  }
  return node;
}

/// The texts of a JSON array of texts.
inline std::vector<std::string> Texts(const mfl::Node* array) {
  std::vector<std::string> texts;
  if (array != nullptr)
    for (const mfl::Node& element : array->elements()) texts.push_back(element.string());
  return texts;
}

/// The text of one "## " section of docs/model-file.md (up to the next).
inline std::string DocSection(const std::string& heading) {
  std::ifstream in(std::string(OIF_SOURCE_DIR) + "/docs/model-file.md");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t start = text.find("\n## " + heading + "\n");
  if (start == std::string::npos) {
    ADD_FAILURE() << "no section " << heading;
    return {};
  }
  const std::size_t end = text.find("\n## ", start + 1);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace test
