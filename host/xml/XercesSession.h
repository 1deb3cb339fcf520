// Xerces-C is set up once by the host, before any document is parsed or any
// element handed to a component library, and shut down after the last DOM
// is gone. A session object does both; sessions nest, also in several
// threads: the first sets Xerces-C up and the last shuts it down.
#pragma once

namespace HostXml {

class XercesSession {
 public:
  XercesSession();
  ~XercesSession();
  XercesSession(const XercesSession&) = delete;
  XercesSession& operator=(const XercesSession&) = delete;
};

}  // namespace HostXml
