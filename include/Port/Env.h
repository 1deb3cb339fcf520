// Environment lookup.
#pragma once

#include "Port/HostApi.h"

class HOST_API Port_Env {
 public:
  /// The value of `name`, or null when the variable is not defined. A
  /// variable defined with an empty value is defined.
  static const char* GetEnv(const char* name);
};
