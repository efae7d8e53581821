// sstrxk-ini: the administrator's tool for the enciphered configuration file
// (see ini_admin.h for its commands).
#include <iostream>
#include <string>
#include <vector>

#include "ini/ini_admin.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunIniAdmin(args, std::cout, std::cerr);
}
