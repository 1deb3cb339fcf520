// How the library talks to the host's message manager: every message
// carries the library's domain and the issuing source position, and the
// trait rules throw the host's exception built the same way.
#pragma once

#include "Port/Exception.h"
#include "Port/MsgMan.h"
#include "Port/StringBase.h"

namespace ZorE {
inline constexpr const char* kMsgDomain = "VudododirazaDoruviV";
inline constexpr const char* kMsgRevision = "2.0";
}  // namespace ZorE

/// A message object of the library's domain at the calling position.
#define ZORE_MSG() \
  Port_MsgManData::createObject(ZorE::kMsgDomain, __FILE_NAME__, __LINE__, ZorE::kMsgRevision)

/// Throws Port::Exception with the formatted text, at the calling position.
#define ZORE_THROW(...)                                                                \
  throw Port::Exception(ZorE::kMsgDomain, __FILE_NAME__, ZorE::kMsgRevision, __LINE__, \
                        ombform(__VA_ARGS__))
