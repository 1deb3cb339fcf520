// Attribute values the host writes into a description: the characters that
// would end a value or start markup become the standard entities, so any
// name reads back as it was written.
#pragma once

#include <string>

namespace HostXml {

/// `text` with &, <, > and " written as &amp; &lt; &gt; &quot;; any other
/// text is returned unchanged.
std::string XmlEscaped(const std::string& text);

}  // namespace HostXml
