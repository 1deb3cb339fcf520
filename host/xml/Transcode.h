// Text between the DOM's 16-bit strings and the host's 8-bit text.
#pragma once

#include <string>
#include <xercesc/util/XercesDefs.hpp>

namespace HostXml {

/// The 8-bit text of a DOM string (empty for null); the transcoded buffer is
/// released before it returns.
std::string Transcoded(const XMLCh* text);

/// A DOM string made from 8-bit text, released when it goes out of use.
class DomString {
 public:
  explicit DomString(const std::string& text);
  ~DomString();
  DomString(const DomString&) = delete;
  DomString& operator=(const DomString&) = delete;

  const XMLCh* get() const { return m_text; }

 private:
  XMLCh* m_text;
};

}  // namespace HostXml
