// The model check: the loader stops at the first error, so the check loads the
// file again and again, each time with the value in error blanked out of the
// text (replaced by spaces, keeping every line and column of the rest), until it
// loads or the cap is reached. A value that cannot be left out alone (a required
// member, a number of a packed array) takes its enclosing object or array element
// with it. An error at a value that encloses a blanked one follows from that
// blanking and is not reported again. Pointers are reported as in the file: the
// indices of array elements after a blanked element are counted back.
#include "modelfile/mfl_Check.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "modelfile/mfl_ModelFile.h"

std::string mfl_CheckWarning::Describe() const {
  std::string out = file;
  if (line != 0) {
    out += ':';
    out += std::to_string(line);
    out += ':';
    out += std::to_string(column);
  }
  out += ": warning [";
  out += id;
  out += "] at ";
  out += pointer.empty() ? std::string_view("(root)") : std::string_view(pointer);
  out += ": ";
  out += problem;
  return out;
}

namespace {

using mfl::Node;

std::vector<std::string> Segments(const std::string& pointer) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < pointer.size()) {  // pointer starts with '/'
    const std::size_t next = pointer.find('/', i + 1);
    std::string raw = pointer.substr(i + 1, next == std::string::npos ? std::string::npos : next - i - 1);
    std::string segment;
    for (std::size_t k = 0; k < raw.size(); ++k) {
      if (raw[k] == '~' && k + 1 < raw.size()) {
        segment += raw[k + 1] == '1' ? '/' : '~';
        ++k;
      } else {
        segment += raw[k];
      }
    }
    out.push_back(std::move(segment));
    if (next == std::string::npos) break;
    i = next;
  }
  return out;
}

std::string Join(const std::vector<std::string>& segments, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    out += '/';
    out += mfl::PointerEscape(segments[i]);
  }
  return out;
}

bool IsIndex(const std::string& segment) {
  return !segment.empty() && std::all_of(segment.begin(), segment.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// True when `outer` is `inner` or one of its ancestors.
bool Encloses(const std::string& outer, const std::string& inner) {
  return inner.compare(0, outer.size(), outer) == 0 && (inner.size() == outer.size() || inner[outer.size()] == '/');
}

/// End (one past) of the JSON value that starts at `pos`.
std::size_t ValueEnd(std::string_view text, std::size_t pos) {
  int depth = 0;
  bool inString = false;
  for (std::size_t i = pos; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"') {
        inString = false;
        if (depth == 0) return i + 1;
      }
      continue;
    }
    switch (c) {
      case '"': inString = true; break;
      case '[': case '{': ++depth; break;
      case ']': case '}':
        if (depth == 0) return i;  // end of a scalar before the closing bracket
        if (--depth == 0) return i + 1;
        break;
      case ',': case ' ': case '\t': case '\n': case '\r':
        if (depth == 0) return i;
        break;
      default: break;
    }
  }
  return text.size();
}

bool Space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

/// Start of the key of the object member whose value starts at `valueStart`.
std::size_t KeyStart(std::string_view text, std::size_t valueStart) {
  std::size_t i = valueStart;
  while (i > 0 && Space(text[i - 1])) --i;
  if (i > 0 && text[i - 1] == ':') --i;
  while (i > 0 && Space(text[i - 1])) --i;
  if (i == 0 || text[i - 1] != '"') return valueStart;
  --i;  // the closing quote of the key
  while (i > 0) {
    --i;
    if (text[i] != '"') continue;
    std::size_t slashes = 0;
    while (i > slashes && text[i - 1 - slashes] == '\\') ++slashes;
    if (slashes % 2 == 0) return i;
  }
  return valueStart;
}

/// Blanks [begin, end) and the comma that separates it from its neighbour:
/// every character becomes one space, line breaks stay.
void Blank(std::string& text, std::size_t begin, std::size_t end) {
  std::size_t after = end;
  while (after < text.size() && Space(text[after])) ++after;
  if (after < text.size() && text[after] == ',') {
    end = after + 1;
  } else {
    std::size_t before = begin;
    while (before > 0 && Space(text[before - 1])) --before;
    if (before > 0 && text[before - 1] == ',') begin = before - 1;
  }
  std::string out = text.substr(0, begin);
  for (std::size_t i = begin; i < end; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n' || c == '\r')
      out += static_cast<char>(c);
    else if ((c & 0xC0) != 0x80)  // one space per character, not per byte
      out += ' ';
  }
  out.append(text, end, std::string::npos);
  text = std::move(out);
}

/// Blanked array elements, by the array's pointer in the file, with their
/// indices in the file; maps pointers of the blanked text back to the file.
class IndexMap {
 public:
  std::string ToFile(const std::string& pointer) const {
    std::vector<std::string> segments = Segments(pointer);
    std::string prefix;
    for (std::string& segment : segments) {
      auto found = removed_.find(prefix);
      if (found != removed_.end() && IsIndex(segment)) {
        std::size_t index = std::stoul(segment);
        for (std::size_t gone : found->second)  // ascending
          if (gone <= index) ++index;
        segment = std::to_string(index);
      }
      prefix += '/';
      prefix += mfl::PointerEscape(segment);
    }
    return prefix;
  }
  void Remove(const std::string& arrayInFile, std::size_t indexInFile) { removed_[arrayInFile].insert(indexInFile); }

 private:
  std::map<std::string, std::set<std::size_t>> removed_;
};

/// The value at `pointer` in `doc` and whether its parent is an object; nullopt
/// when the pointer does not lead to a value that can be blanked alone (inside
/// a packed number array).
struct Located {
  const Node* node;    // the value; for an element of a packed array, the array
  const Node* parent;  // the object or array that holds `node`
  std::optional<std::size_t> packedIndex;  // set for an element of a packed number array
};
std::optional<Located> Locate(const Node& root, const std::vector<std::string>& segments) {
  const Node* node = &root;
  const Node* parent = nullptr;
  for (const std::string& segment : segments) {
    parent = node;
    if (node->kind() == Node::Kind::Object) {
      node = node->Find(segment);
    } else if (node->kind() == Node::Kind::Array && IsIndex(segment) &&
               std::stoul(segment) < node->elements().size()) {
      node = &node->elements()[std::stoul(segment)];
    } else if ((node->kind() == Node::Kind::IntArray || node->kind() == Node::Kind::RealArray) &&
               IsIndex(segment) && &segment == &segments.back()) {
      return Located{node, parent, std::stoul(segment)};
    } else {
      return std::nullopt;
    }
    if (!node) return std::nullopt;
  }
  return Located{node, parent, std::nullopt};
}

/// Names of the objects in a value that is left out.
void CollectNames(const Node& node, std::set<std::string>& names) {
  if (node.kind() == Node::Kind::Object) {
    for (const mfl::NodeMember& member : node.members()) {
      if (member.first == "name" && member.second.kind() == Node::Kind::String) names.insert(member.second.string());
      CollectNames(member.second, names);
    }
  } else if (node.kind() == Node::Kind::Array) {
    for (const Node& element : node.elements()) CollectNames(element, names);
  }
}

/// A number of a packed array in error (a node that is not in the mesh, a label
/// given twice, ...) is replaced by one of the numbers before it, which were
/// accepted, so that the array keeps its length and what it describes stays in
/// the model. The replacement is padded with spaces to keep every column; false
/// when no number before it is short enough.
bool ReplaceNumber(std::string& text, const mfl::Document& doc, const Node& array, std::size_t index) {
  const std::size_t begin = doc.ElementOffset(array, index);
  const std::size_t length = ValueEnd(text, begin) - begin;
  for (std::size_t before = 0; before < std::min<std::size_t>(index, 8); ++before) {
    const std::size_t at = doc.ElementOffset(array, before);
    const std::size_t candidate = ValueEnd(text, at) - at;
    if (candidate > length) continue;
    const std::string replacement = text.substr(at, candidate) + std::string(length - candidate, ' ');
    text.replace(begin, length, replacement);
    return true;
  }
  return false;
}

bool Fatal(const mfl_ModelFileError& error) {
  return !error.HasPointer() || error.Id() == "json.syntax" || error.Id() == "json.duplicate-key" ||
         error.Pointer().empty();
}

}  // namespace

mfl_CheckReport mfl_ModelCheck::Check(std::string_view original, const std::string& displayName,
                                      std::size_t errorCap) {
  mfl_CheckReport report;
  std::string text(original);
  IndexMap indices;
  std::vector<std::string> blanked;  // pointers in the file
  std::set<std::string> goneNames;    // names of the objects left out
  // Each round either reports an error or blanks a larger value than before,
  // so the rounds are bounded by the errors and the depth of the document.
  const std::size_t maxRounds = errorCap * 16 + 64;
  for (std::size_t round = 0;; ++round) {
    if (round == maxRounds) {
      report.stoppedEarly = true;
      break;
    }
    std::optional<mfl::Document> doc;
    try {
      doc.emplace(mfl::Document::Parse(text, displayName));
      report.model.emplace(mfl_ModelFile::Parse(text, displayName));
      mfl::CollectCheckWarnings(*doc, report);
      for (mfl_CheckWarning& warning : report.warnings) warning.pointer = indices.ToFile(warning.pointer);
      break;
    } catch (const mfl_ModelFileError& error) {
      if (Fatal(error)) {
        // Bad JSON, an unreadable file or an error about the document as a
        // whole: nothing to go on with. Once values are left out, such an error
        // follows from leaving them out (a required top-level member).
        if (blanked.empty()) report.errors.push_back(error);
        report.stoppedEarly = true;
        break;
      }
      const std::string inFile = indices.ToFile(error.Pointer());
      bool follows = std::any_of(blanked.begin(), blanked.end(),
                                 [&](const std::string& gone) { return Encloses(inFile, gone); });
      // A reference to something that was left out for an error of its own.
      if (error.Id() == "model.unknown-reference")
        if (const std::optional<Located> at = Locate(doc->Root(), Segments(error.Pointer()));
            at && !at->packedIndex && at->node->kind() == Node::Kind::String && goneNames.count(at->node->string()))
          follows = true;
      if (!follows) {
        if (report.errors.size() == errorCap) {
          report.stoppedEarly = true;
          break;
        }
        report.errors.emplace_back(error.Id(), error.File(), inFile, error.LineNumber(), error.Column(),
                                   error.Problem());
      }
      // Blank the value in error, or the nearest enclosing value that can go alone.
      std::vector<std::string> segments = Segments(error.Pointer());
      bool done = false;
      while (!segments.empty() && !done) {
        const std::optional<Located> at = Locate(doc->Root(), segments);
        const std::string current = Join(segments, segments.size());
        const std::string currentInFile = indices.ToFile(current);
        if (at && at->packedIndex && std::find(blanked.begin(), blanked.end(), currentInFile) == blanked.end() &&
            ReplaceNumber(text, *doc, *at->node, *at->packedIndex)) {
          blanked.push_back(currentInFile);
          done = true;
          break;
        }
        if (!at || at->packedIndex) {
          segments.pop_back();
          continue;
        }
        CollectNames(*at->node, goneNames);
        if (segments.back() == "name" && at->node->kind() == Node::Kind::String) goneNames.insert(at->node->string());
        std::size_t begin = at->node->offset();
        const std::size_t end = ValueEnd(text, begin);
        if (at->parent->kind() == Node::Kind::Object) {
          begin = KeyStart(text, begin);
        } else {
          const std::string arrayInFile = indices.ToFile(Join(segments, segments.size() - 1));
          indices.Remove(arrayInFile, std::stoul(Segments(currentInFile).back()));
        }
        Blank(text, begin, end);
        blanked.push_back(currentInFile);
        done = true;
      }
      if (!done) {  // the error is about the document as a whole
        report.stoppedEarly = true;
        break;
      }
    }
  }
  return report;
}

mfl_CheckReport mfl_ModelCheck::CheckFile(const std::string& path, std::size_t errorCap) {
  std::optional<mfl::Document> doc;
  try {
    doc.emplace(mfl::Document::Load(path));
  } catch (const mfl_ModelFileError& error) {
    mfl_CheckReport report;
    report.errors.push_back(error);
    report.stoppedEarly = true;
    return report;
  }
  return Check(doc->Text(), path, errorCap);
}
