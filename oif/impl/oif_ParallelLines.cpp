#include "oif/impl/oif_ParallelLines.h"

#include <algorithm>
#include <deque>
#include <future>
#include <string>
#include <exception>
#include <thread>
#include <vector>

#include "textstream/aio_ios.h"

std::size_t oif_CoreCount() { return std::max(1u, std::thread::hardware_concurrency()); }

void oif_RunInParallel(std::size_t parts, const std::function<void(std::size_t part)>& run) {
  std::vector<std::exception_ptr> failures(parts);
  {
    std::vector<std::jthread> threads;
    for (std::size_t part = 0; part + 1 < parts; ++part)
      threads.emplace_back([&run, &failures, part] {
        try {
          run(part);
        } catch (...) {
          failures[part] = std::current_exception();
        }
      });
    if (parts > 0) {
      try {
        run(parts - 1);
      } catch (...) {
        failures[parts - 1] = std::current_exception();
      }
    }
  }  // joins
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
}

std::size_t oif_RunCount(std::size_t count, std::size_t keywords) {
  return keywords < oif_ParallelKeywords ? 1 : std::max<std::size_t>(1, std::min(oif_CoreCount(), count));
}

void oif_ForEachInRuns(std::size_t count, std::size_t runs,
                       const std::function<void(std::size_t index, std::size_t run)>& each) {
  oif_RunInParallel(runs, [&](std::size_t run) {
    for (std::size_t i = count * run / runs; i < count * (run + 1) / runs; ++i) each(i, run);
  });
}

void oif_WriteLinesInParallel(utl_Stream& stream, std::size_t count, const oif_LineRangeWriter& write,
                              std::size_t piece) {
  const std::size_t cores = oif_CoreCount();
  if (cores < 2 || piece == 0 || count <= piece) {
    write(stream, 0, count);
    return;
  }
  const std::size_t pieces = (count + piece - 1) / piece;
  std::size_t next = 0;
  std::deque<std::future<std::string>> running;
  const auto start = [&] {
    const std::size_t begin = next * piece;
    const std::size_t end = std::min(count, begin + piece);
    ++next;
    running.push_back(std::async(std::launch::async, [&stream, &write, begin, end] {
      std::string text;
      aio_ios ios;
      ios.attach(text);
      {
        utl_Stream local(ios, stream);
        write(local, begin, end);
        local.Flush();
      }
      return text;
    }));
  };
  while (next < pieces && running.size() < cores) start();
  while (!running.empty()) {
    const std::string text = running.front().get();
    running.pop_front();
    if (next < pieces) start();
    stream.AppendLines(text);
  }
}
