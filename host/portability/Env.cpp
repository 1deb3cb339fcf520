// Environment lookup through the C library.
#include "Port/Env.h"

#include <cstdlib>

const char* Port_Env::GetEnv(const char* name) {
  if (!name) return nullptr;
  return std::getenv(name);
}
