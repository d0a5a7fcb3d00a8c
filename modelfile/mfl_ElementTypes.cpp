#include "modelfile/mfl_ElementTypes.h"

#include <string>

#include "modelfile/mfl_Json.h"

namespace mfl {
namespace {

struct NodeCount {
  std::string_view type;
  int nodes;
};

// The common element types of the solver's library, by exact name.
constexpr NodeCount kNodeCounts[] = {
    // Continuum volumes: bricks, tetrahedra, wedges.
    {"C3D8", 8}, {"C3D8R", 8}, {"C3D8I", 8}, {"C3D8H", 8}, {"C3D8RH", 8}, {"C3D8T", 8}, {"C3D8RT", 8},
    {"C3D20", 20}, {"C3D20R", 20}, {"C3D20H", 20}, {"C3D20RH", 20}, {"C3D4", 4}, {"C3D4H", 4}, {"C3D10", 10},
    {"C3D10M", 10}, {"C3D10H", 10}, {"C3D6", 6}, {"C3D15", 15}, {"DC3D8", 8}, {"DC3D4", 4}, {"DC3D20", 20},
    {"DC3D10", 10}, {"DC3D6", 6}, {"AC3D8", 8}, {"AC3D4", 4}, {"AC3D20", 20}, {"AC3D10", 10},
    // Continuum shells.
    {"SC8R", 8}, {"SC6R", 6},
    // Shells and membranes.
    {"S4", 4}, {"S4R", 4}, {"S4R5", 4}, {"S3", 3}, {"S3R", 3}, {"S8R", 8}, {"S8R5", 8}, {"S9R5", 9},
    {"STRI3", 3}, {"STRI65", 6}, {"M3D3", 3}, {"M3D4", 4}, {"M3D4R", 4}, {"M3D8", 8}, {"M3D8R", 8},
    {"M3D6", 6},
    // Planar and axisymmetric continua.
    {"CPS3", 3}, {"CPS4", 4}, {"CPS4R", 4}, {"CPS4I", 4}, {"CPS6", 6}, {"CPS8", 8}, {"CPS8R", 8},
    {"CPE3", 3}, {"CPE4", 4}, {"CPE4R", 4}, {"CPE4I", 4}, {"CPE4H", 4}, {"CPE6", 6}, {"CPE8", 8},
    {"CPE8R", 8}, {"CAX3", 3}, {"CAX4", 4}, {"CAX4R", 4}, {"CAX4I", 4}, {"CAX6", 6}, {"CAX8", 8},
    {"CAX8R", 8}, {"DC2D3", 3}, {"DC2D4", 4}, {"DC2D8", 8},
    // Beams, pipes and trusses.
    {"B31", 2}, {"B31H", 2}, {"B32", 3}, {"B33", 2}, {"B21", 2}, {"B22", 3}, {"B23", 2}, {"PIPE31", 2},
    {"PIPE32", 3}, {"PIPE21", 2}, {"PIPE22", 3}, {"T3D2", 2}, {"T3D3", 3}, {"T2D2", 2}, {"T2D3", 3},
    // Rigid elements, connectors, points, springs and dashpots.
    {"R3D3", 3}, {"R3D4", 4}, {"R2D2", 2}, {"RAX2", 2}, {"CONN3D2", 2}, {"CONN2D2", 2}, {"MASS", 1},
    {"ROTARYI", 1}, {"SPRING1", 1}, {"SPRING2", 2}, {"SPRINGA", 2}, {"DASHPOT1", 1}, {"DASHPOT2", 2},
    {"DASHPOTA", 2},
    // Surface elements.
    {"SFM3D3", 3}, {"SFM3D4", 4}, {"SFM3D4R", 4}, {"SFM3D8", 8}, {"SFM3D8R", 8}, {"SFM3D6", 6},
};

}  // namespace

int KnownNodeCount(std::string_view type) noexcept {
  for (const NodeCount& row : kNodeCounts)
    if (row.type == type) return row.nodes;
  return 0;
}

void CheckNodeCount(std::string_view type, const Ref& perElement, int nodesPerElement) {
  const int known = KnownNodeCount(type);
  if (known != 0 && known != nodesPerElement)
    perElement.Fail("model.conflict", "an element of type " + std::string(type) + " has " + std::to_string(known) +
                                          (known == 1 ? " node" : " nodes") + ", not " +
                                          std::to_string(nodesPerElement));
}

}  // namespace mfl
