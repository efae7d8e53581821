// sstrxk: writes one Portavis interface file from the Velorium RXK database.
// Usage: sstrxk <Dateiname> <Dateityp> [/D]
#include "runctl/dispatch.h"
#include "runctl/run_control.h"

int main(int argc, char** argv) { return RunProgram(argc, argv, ProductionDispatch()); }
