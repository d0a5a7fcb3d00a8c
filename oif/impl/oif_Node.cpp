#include "oif/impl/oif_Node.h"

#include "oif/impl/oif_KeywordLine.h"

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
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const float* xyz = coordinates[i];
    stream.Print(labels[i], 7);
    stream << ',' << ' ';
    stream.Print(xyz[0], 12, 7);
    stream << ',' << ' ';
    stream.Print(xyz[1], 12, 7);
    if (threeD_) {
      stream << ',' << ' ';
      stream.Print(xyz[2], 12, 7);
    }
    stream.LineBreak();
  }
  stream.Flush();
}
