// Text between the DOM's 16-bit strings and the host's 8-bit text.
#pragma once

#include <string>
#include <xercesc/util/XercesDefs.hpp>

namespace HostXml {

/// The 8-bit text of a DOM string (empty for null); the transcoded buffer is
/// released before it returns.
std::string Transcoded(const XMLCh* text);

}  // namespace HostXml
