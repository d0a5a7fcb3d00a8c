// A host program of the installed library: loads a model file and writes its
// deck, as the README's library example does.
#include <cstdio>

#include "exceptions/nex_Exception.h"
#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Module.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: host MODEL.json JOB\n");
    return 2;
  }
  int uses = 0;
  DDB_OIF_initialize(uses);
  int status = 0;
  try {
    odb_Odb odb = mfl_ModelFile::Open(argv[1]);
    oif_Writer(odb).WriteInputFile(argv[2]);  // writes JOB.inp
  } catch (const mfl_ModelFileError& error) {  // the model file is unreadable or invalid
    std::fprintf(stderr, "%s\n", error.Describe().c_str());
    status = 1;
  } catch (const nex_Exception& error) {  // model content the writer cannot write
    std::fprintf(stderr, "%s\n", error.Message().c_str());
    status = 3;
  }
  DDB_OIF_finalize(uses);
  return status;
}
