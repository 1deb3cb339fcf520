// The host's exception: what the trait rules throw, carrying the message
// domain, the source position and the formatted text.
#pragma once

#include <exception>
#include <string>

#include "Port/HostApi.h"

namespace Port {

class HOST_API Exception : public std::exception {
 public:
  Exception(const char* domain, const char* sourceFile, const char* revision, int line,
            std::string message)
      : m_domain(domain ? domain : ""),
        m_sourceFile(sourceFile ? sourceFile : ""),
        m_revision(revision ? revision : ""),
        m_line(line),
        m_message(std::move(message)) {}

  const char* what() const noexcept override { return m_message.c_str(); }
  const std::string& Domain() const { return m_domain; }
  const std::string& SourceFile() const { return m_sourceFile; }
  const std::string& Revision() const { return m_revision; }
  int Line() const { return m_line; }
  const std::string& Message() const { return m_message; }

 private:
  std::string m_domain;
  std::string m_sourceFile;
  std::string m_revision;
  int m_line;
  std::string m_message;
};

}  // namespace Port
