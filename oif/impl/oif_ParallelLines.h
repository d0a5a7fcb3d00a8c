#pragma once
// Long blocks of independent data lines (node lines, element lines) formatted
// on several threads and written in order.
#include <cstddef>
#include <functional>

#include "textstream/utl_Stream.h"

/// Prints items [begin, end) of a block, each as whole lines.
using oif_LineRangeWriter = std::function<void(utl_Stream& stream, std::size_t begin, std::size_t end)>;

/// Items formatted per piece on other threads when the block is long.
constexpr std::size_t oif_LinesPerPiece = 32768;

/// Writes the `count` items of a block through `write`. A block of more than
/// one piece is cut into pieces of `piece` items; up to one piece per core is
/// formatted at a time, each into memory by a stream with the settings of
/// `stream`, and the pieces are handed to `stream` in order as they finish.
/// The bytes are those of one `write(stream, 0, count)`. `write` must only
/// read shared data. A piece that throws ends the block with its exception
/// (the pieces after it are not written).
void oif_WriteLinesInParallel(utl_Stream& stream, std::size_t count, const oif_LineRangeWriter& write,
                              std::size_t piece = oif_LinesPerPiece);

/// The cores the writer formats on (at least 1).
std::size_t oif_CoreCount();

/// Histories of fewer keywords (objects × steps) are formatted on one thread.
constexpr std::size_t oif_ParallelKeywords = 20000;

/// How many runs the `count` objects of a history of `keywords` keywords are
/// cut into: one per core (and at most one per object) from
/// oif_ParallelKeywords on, else one.
std::size_t oif_RunCount(std::size_t count, std::size_t keywords);

/// Calls `each(index, run)` for every index in [0, count), cut into `runs`
/// consecutive runs of about equal length, each run on a thread of its own
/// (oif_RunInParallel) and in index order within it.
void oif_ForEachInRuns(std::size_t count, std::size_t runs,
                       const std::function<void(std::size_t index, std::size_t run)>& each);

/// Runs `run(part)` for every part in [0, parts), each on a thread of its
/// own (the last one on the calling thread), and waits for all. When parts
/// throw, the exception of the first of them in part order is rethrown.
void oif_RunInParallel(std::size_t parts, const std::function<void(std::size_t part)>& run);
