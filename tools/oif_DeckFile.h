#pragma once
// The command's way of putting a deck in place: all or nothing.
#include <functional>
#include <stdexcept>
#include <string>

/// The deck could not be put in place: the file system refused to create,
/// write, save or rename the file. The message names the deck, what failed
/// on which file and the system's reason.
class oif_DeckFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Writes the deck `job` + ".inp" all or nothing. `write` gets the job name
/// of a fresh file beside the deck (a hidden name that also ends in ".inp";
/// the name passed lacks the ".inp", as a job name does) and writes that
/// job's deck; once it returns, the file is saved to disk and renamed over
/// `job` + ".inp" in one step. An existing directory or other non-regular
/// file of the deck's name is refused before anything is written; a
/// symbolic link of that name is replaced by the deck.
///
/// Whenever this throws, the temporary file is gone and an earlier deck is
/// as it was. An interrupt, termination or hang-up signal meanwhile removes
/// the temporary file before it takes its usual effect.
/// @throws oif_DeckFileError when the file system refuses, including a
///         failed write that `write` reports as aio_IOError
/// @throws whatever else `write` throws (the writer stopped on the model)
void oif_WriteDeckFile(const std::string& job, const std::function<void(const std::string& tempJob)>& write);
