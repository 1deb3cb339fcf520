#include "xml/XercesSession.h"

#include <mutex>
#include <xercesc/util/PlatformUtils.hpp>

namespace HostXml {

namespace {

// Xerces-C counts its initialisations, but not safely across threads: two
// sessions set up or shut down in two threads at once corrupt its state. The
// process counts its sessions under a lock of its own instead, sets Xerces-C
// up for the first and shuts it down after the last.
std::mutex g_lock;
int g_sessions = 0;

}  // namespace

XercesSession::XercesSession() {
  std::lock_guard<std::mutex> hold(g_lock);
  if (g_sessions == 0) XERCES_CPP_NAMESPACE::XMLPlatformUtils::Initialize();
  ++g_sessions;
}

XercesSession::~XercesSession() {
  std::lock_guard<std::mutex> hold(g_lock);
  if (--g_sessions == 0) XERCES_CPP_NAMESPACE::XMLPlatformUtils::Terminate();
}

}  // namespace HostXml
