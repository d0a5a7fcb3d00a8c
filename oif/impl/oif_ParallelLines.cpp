#include "oif/impl/oif_ParallelLines.h"

#include <algorithm>
#include <deque>
#include <future>
#include <string>
#include <thread>

#include "textstream/aio_ios.h"

void oif_WriteLinesInParallel(utl_Stream& stream, std::size_t count, const oif_LineRangeWriter& write,
                              std::size_t piece) {
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
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
