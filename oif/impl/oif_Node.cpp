#include "oif/impl/oif_Node.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_ParallelLines.h"

oif_Node::oif_Node(const ddb_PartInstance& instance, zkw_ModelInfo&) : nodes_(instance.mesh().contents()) {}

oif_Node::oif_Node(const ddb_Mesh& mesh) : nodes_(mesh.contents()) {}

void oif_Node::Write(utl_Stream& stream) const {
  if (!nodes_ || nodes_->nodes.NumNodes() == 0) return;
  oif_KeywordLine(stream, "*Node").End();
  utl_StreamSmallReal smallValues(stream, smallReal_);
  const ddb_NodeData& nodes = nodes_->nodes;
  const std::vector<int>& labels = nodes.UserNodeLabels();
  if (labels.empty()) {
    stream.Flush();
    return;
  }
  const uti_CoordCont3D& coordinates = nodes.CoordContainer();
  const bool threeD = threeD_;
  oif_WriteLinesInParallel(stream, labels.size(), [&](utl_Stream& out, std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      const float* xyz = coordinates[i];
      out.Print(labels[i], 7);
      out << ',' << ' ';
      out.Print(xyz[0], 12, 7);
      out << ',' << ' ';
      out.Print(xyz[1], 12, 7);
      if (threeD) {
        out << ',' << ' ';
        out.Print(xyz[2], 12, 7);
      }
      out.LineBreak();
    }
  });
  stream.Flush();
}
