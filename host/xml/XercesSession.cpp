#include "xml/XercesSession.h"

#include <xercesc/util/PlatformUtils.hpp>

namespace HostXml {

// Xerces-C counts its initialisations: each Initialize is matched by one
// Terminate, and only the last one frees its services.
XercesSession::XercesSession() { XERCES_CPP_NAMESPACE::XMLPlatformUtils::Initialize(); }
XercesSession::~XercesSession() { XERCES_CPP_NAMESPACE::XMLPlatformUtils::Terminate(); }

}  // namespace HostXml
