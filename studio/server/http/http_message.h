#pragma once
// HTTP/1.1 requests as the studio's server reads them, and its responses.
// A request is bounded: its head and its body each have a largest size, and
// a body comes only with a Content-Length (no chunked bodies).
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

struct HttpRequest {
  std::string method;
  std::string path;  // decoded, without the query
  std::map<std::string, std::string, std::less<>> query;
  std::string host;    // the Host header, "" when none came
  std::string origin;  // the Origin header, "" when none came
  std::string body;

  // The query value, or `fallback`.
  std::string Param(std::string_view name, std::string_view fallback = "") const;
};

struct HttpResponse {
  int status = 200;
  std::string type = "application/json";
  std::string body;
};

HttpResponse JsonError(int status, std::string_view message);

struct HttpHead {
  HttpRequest request;          // without its body
  std::size_t body_length = 0;  // from Content-Length
};

// The head (up to the blank line, which is not included); on a malformed
// head, nullopt and the status to answer with (400, 411, 501...).
std::optional<HttpHead> ParseHead(std::string_view head, int& status);

// "%41b+c" -> "Ab c" where plus_is_space; nullopt for a broken escape.
std::optional<std::string> PercentDecode(std::string_view text, bool plus_is_space);

std::string ResponseBytes(const HttpResponse& response);

// Whether a request may come to a server on 127.0.0.1:port: its Host names
// this machine (a page of another site whose name was made to point here
// names its own), and a request that changes something comes from the
// studio's own page, not from another site's (which a browser marks with its
// Origin). "" when it may, else why not.
std::string ForeignRequest(const HttpRequest& request, std::uint16_t port);
