#pragma once
// Checks of the texts a model file gives that end up in the deck: names,
// tokens written into keyword lines as they are, and free text. A text that
// would put a control character into the deck, or change what a keyword line
// says, is refused with the place and the reason.
#include <string>
#include <string_view>

#include "modelfile/mfl_Json.h"

namespace mfl {

/// Refuses a control character (U+0000 to U+001F, U+007F to U+009F) in
/// `text`, read at `ref`, other than those in `allowed`: error `id`, "WHAT
/// must not contain control characters: U+0009 (tab) at character 4".
void CheckNoControls(const Ref& ref, std::string_view text, const char* id, const char* what,
                     std::string_view allowed = {});

/// A token written into a keyword line as it is (an element type): one or
/// more ASCII letters, digits, "_" and "-" ("model.text" otherwise).
std::string ReadToken(const Ref& ref, const char* what);

/// A name written into a keyword line unquoted (the assembly's name): it
/// starts with a letter or "_" and holds only ASCII letters, digits, "_" and
/// "-" ("model.name" otherwise).
std::string ReadPlainName(const Ref& ref, const char* what);

}  // namespace mfl
