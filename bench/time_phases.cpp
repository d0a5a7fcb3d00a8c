// CPU and wall time of the two phases of `oif write`: loading the model file
// and writing the deck. Usage: time_phases MODEL.json JOB
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Writer.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         1e-6 * double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: time_phases MODEL.json JOB\n");
    return 2;
  }
  const double cpu0 = CpuSeconds(), wall0 = WallSeconds();
  const odb_Odb odb = mfl_ModelFile::Open(argv[1]);
  const double cpu1 = CpuSeconds(), wall1 = WallSeconds();
  oif_Writer(odb).WriteInputFile(argv[2]);
  const double cpu2 = CpuSeconds(), wall2 = WallSeconds();
  std::printf("load  cpu %.3f s  wall %.3f s\nwrite cpu %.3f s  wall %.3f s\n", cpu1 - cpu0, wall1 - wall0,
              cpu2 - cpu1, wall2 - wall1);
  return 0;
}
