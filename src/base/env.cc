// The process-wide environment pointer.
#include "base/env.h"

namespace {
Env* g_env = nullptr;
}  // namespace

Env& CurrentEnv() { return g_env != nullptr ? *g_env : SystemEnv(); }

Env* SetEnv(Env* env) {
  Env* previous = g_env;
  g_env = env;
  return previous;
}
