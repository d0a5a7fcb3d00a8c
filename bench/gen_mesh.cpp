// gen_mesh: writes the model file of a structured mesh, for benchmarks and
// for trying the writer on large models.
//
//   gen_mesh [--type C3D8R|C3D10|C3D20R|S4R] [--elements N] [--instances K]
//            [--shared-part] [--steps S] [--conditions C] [--jitter F] OUTPUT.json
#include <cstdio>
#include <cstring>
#include <string>

#include "mesh_generator.h"

namespace {

int Usage() {
  std::fputs(
      "Usage: gen_mesh [--type C3D8R|C3D10|C3D20R|S4R] [--elements N] [--instances K] [--shared-part]\n"
      "                [--steps S] [--conditions C] [--jitter F] OUTPUT.json\n"
      "Writes a model file with N elements (about; the blocks are whole cells) in K instances (default 100000\n"
      "8-node bricks in 2 instances), each instance of its own part unless --shared-part; with S static steps\n"
      "and C displacement conditions created in the first step and changed in every later one; with F > 0 every\n"
      "node moves by up to F times the node spacing along each axis (full-precision coordinates, as a mesher's).\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  meshgen::Options options;
  const char* output = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--type" && hasValue) {
      const std::string type = argv[++i];
      if (type == "C3D8R") options.type = meshgen::Type::C3D8R;
      else if (type == "C3D10") options.type = meshgen::Type::C3D10;
      else if (type == "C3D20R") options.type = meshgen::Type::C3D20R;
      else if (type == "S4R") options.type = meshgen::Type::S4R;
      else return Usage();
    } else if (arg == "--elements" && hasValue) {
      options.elements = std::atol(argv[++i]);
    } else if (arg == "--instances" && hasValue) {
      options.instances = std::atoi(argv[++i]);
    } else if (arg == "--steps" && hasValue) {
      options.steps = std::atoi(argv[++i]);
    } else if (arg == "--conditions" && hasValue) {
      options.conditions = std::atol(argv[++i]);
    } else if (arg == "--jitter" && hasValue) {
      options.jitter = std::atof(argv[++i]);
    } else if (arg == "--shared-part") {
      options.sharedPart = true;
    } else if (!arg.empty() && arg[0] != '-' && !output) {
      output = argv[i];
    } else {
      return Usage();
    }
  }
  if (!output || options.elements < 1 || options.instances < 1) return Usage();
  std::FILE* file = std::fopen(output, "wb");
  if (!file) {
    std::fprintf(stderr, "gen_mesh: cannot write %s\n", output);
    return 1;
  }
  meshgen::Summary summary;
  {
    meshgen::Out out(file);
    summary = meshgen::Generate(options, out);
  }
  std::fclose(file);
  std::fprintf(stderr, "gen_mesh: %s: %ld nodes, %ld %s elements in %d instances\n", output, summary.nodes,
               summary.elements, meshgen::TypeName(options.type), options.instances);
  return 0;
}
