// sstrxk-sampledb <sample-dir> <out-dir>: builds the demo database, one
// SQLite file per schema, from the scripts of the sample directory, so that
// the exporter can run against "sqlite:<out-dir>".
#include <cstdio>
#include <string>

#include "sql_script.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: sstrxk-sampledb <sample-dir> <out-dir>\n");
    return 2;
  }
  std::string error;
  if (!BuildSampleDatabase(argv[1], argv[2], &error)) {
    std::fprintf(stderr, "sstrxk-sampledb: %s\n", error.c_str());
    return 1;
  }
  std::printf("sample database written to %s\n", argv[2]);
  return 0;
}
