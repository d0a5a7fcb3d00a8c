#include "oif/oif_Writer.h"

#include "modeldb/ddb_Model.h"
#include "oif/impl/oif_Builder.h"
#include "oif/impl/oif_ModelInfo.h"

oif_Writer::oif_Writer(const odb_Odb& odb) : odb_(odb) {}
oif_Writer::~oif_Writer() = default;

void oif_Writer::WriteInputFile(const char* jobName) {
  const cow_String modelName = "Default Model";
  oif_ModelInfo info(odb_.ddb().model(modelName));
  const cow_String fileName = cow_String(jobName ? jobName : "") + ".inp";
  oif_Builder job(info);
  job.Write(fileName);
}
