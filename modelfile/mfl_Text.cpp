#include "modelfile/mfl_Text.h"

#include <cstdio>

namespace mfl {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string CodePoint(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", value);
  std::string named = text;
  switch (value) {
    case 0x00: return named + " (NUL)";
    case 0x09: return named + " (tab)";
    case 0x0A: return named + " (line feed)";
    case 0x0B: return named + " (vertical tab)";
    case 0x0C: return named + " (form feed)";
    case 0x0D: return named + " (carriage return)";
    case 0x1B: return named + " (escape)";
    case 0x7F: return named + " (delete)";
    default: return named;
  }
}

/// "a letter, a digit, ..." description of a character that is not allowed.
std::string Describe(std::string_view text, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  if (c == ' ') return "a blank";
  if (c < 0x20 || c == 0x7F) return CodePoint(c);
  if (c >= 0x80) return "a character outside ASCII";
  return std::string("\"") + char(c) + "\"";
}

/// Position of byte `i` counted in characters (UTF-8 code points), from 1.
std::size_t CharacterPosition(std::string_view text, std::size_t i) {
  std::size_t position = 0;
  for (std::size_t k = 0; k <= i && k < text.size(); ++k)
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) ++position;
  return position;
}

}  // namespace

void CheckNoControls(const Ref& ref, std::string_view text, const char* id, const char* what,
                     std::string_view allowed) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    unsigned value = 0x100;
    if (c < 0x20 || c == 0x7F) {
      value = c;
    } else if (c == 0xC2 && i + 1 < text.size()) {  // U+0080 to U+009F in UTF-8
      const unsigned char next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0x9F) value = next;
    }
    if (value == 0x100 || (value < 0x80 && allowed.find(char(value)) != std::string_view::npos)) continue;
    ref.Fail(id, std::string(what) + " must not contain control characters: " + CodePoint(value) +
                     " at character " + std::to_string(CharacterPosition(text, i)));
  }
}

std::string ReadToken(const Ref& ref, const char* what) {
  std::string token = ref.AsString();
  if (token.empty()) ref.Fail("model.text", std::string(what) + " must not be empty");
  for (std::size_t i = 0; i < token.size(); ++i) {
    const char c = token[i];
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_' && c != '-')
      ref.Fail("model.text", std::string(what) + " is written into the keyword line as it is and holds only letters, "
                             "digits, \"_\" and \"-\"; found " + Describe(token, i) + " at character " +
                             std::to_string(CharacterPosition(token, i)));
  }
  return token;
}

std::string ReadPlainName(const Ref& ref, const char* what) {
  std::string name = ref.AsString();
  if (name.empty()) ref.Fail("model.name", "a name must not be empty");
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool allowed = IsAsciiLetter(c) || c == '_' || (i > 0 && (IsAsciiDigit(c) || c == '-'));
    if (!allowed)
      ref.Fail("model.name", std::string(what) + " is written into the keyword line unquoted: it starts with a "
                             "letter or \"_\" and holds only letters, digits, \"_\" and \"-\"; found " +
                             Describe(name, i) + " at character " + std::to_string(CharacterPosition(name, i)));
  }
  return name;
}

}  // namespace mfl
