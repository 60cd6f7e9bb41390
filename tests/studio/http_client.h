#pragma once
// A minimal HTTP client for the server tests: one request per connection,
// the raw bytes given, the answer read to the end.
#include <cstdint>
#include <string>

struct HttpAnswer {
  int status = 0;
  std::string body;
};

// Sends these bytes as they are (a whole request, or a malformed one).
HttpAnswer SendRaw(std::uint16_t port, const std::string& bytes);
HttpAnswer Get(std::uint16_t port, const std::string& target);
HttpAnswer Post(std::uint16_t port, const std::string& target, const std::string& body);
