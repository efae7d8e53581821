// Definitions of the process-wide run state.
#include "runctl/run_state.h"

int DebugFlag = 0;
FixedText<200> OutputPath;
FixedText<21> CurrentSchema;
ClientRow CurrentClient;
double ProductVersion = 0.0;
FixedText<512> MessageBuffer;
FixedText<256> LogFileName;
FixedText<256> PreviousLogFileName;
std::FILE* OutputFile = nullptr;
FirstWriteFlags FirstWrite;
std::vector<AswBklRow> AswBklList;

void ResetRunState() {
  DebugFlag = 0;
  OutputPath.Clear();
  CurrentSchema.Clear();
  CurrentClient = ClientRow();
  ProductVersion = 0.0;
  MessageBuffer.Clear();
  LogFileName.Clear();
  PreviousLogFileName.Clear();
  if (OutputFile != nullptr) std::fclose(OutputFile);
  OutputFile = nullptr;
  FirstWrite = FirstWriteFlags();
  std::vector<AswBklRow>().swap(AswBklList);
}
