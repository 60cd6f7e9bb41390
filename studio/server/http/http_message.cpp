#include "http_message.h"

#include <charconv>

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[k]) != lower(b[k])) return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseQuery(std::string_view query, HttpRequest& request) {
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    query = amp == std::string_view::npos ? "" : query.substr(amp + 1);
    const std::size_t eq = pair.find('=');
    const auto name = PercentDecode(pair.substr(0, eq), true);
    const auto value = PercentDecode(eq == std::string_view::npos ? "" : pair.substr(eq + 1), true);
    if (!name || !value) return false;
    request.query[*name] = *value;
  }
  return true;
}

bool ParseRequestLine(std::string_view line, HttpRequest& request) {
  const std::size_t first = line.find(' ');
  const std::size_t last = line.rfind(' ');
  if (first == std::string_view::npos || first == last) return false;
  if (!line.substr(last + 1).starts_with("HTTP/1.")) return false;
  request.method = line.substr(0, first);
  const std::string_view target = line.substr(first + 1, last - first - 1);
  if (!target.starts_with('/')) return false;
  const std::size_t mark = target.find('?');
  const auto path = PercentDecode(target.substr(0, mark), false);
  if (!path || path->find('\0') != std::string::npos) return false;
  request.path = *path;
  return mark == std::string_view::npos || ParseQuery(target.substr(mark + 1), request);
}

// Reads one header line into the head; false when it cannot be accepted.
bool ReadHeader(std::string_view line, HttpHead& head, int& status) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return false;
  const std::string_view name = line.substr(0, colon);
  const std::string_view value = Trim(line.substr(colon + 1));
  if (SameLetters(name, "Transfer-Encoding")) {
    status = 501;  // bodies come with a Content-Length only
    return false;
  }
  if (SameLetters(name, "Host")) head.request.host = value;
  if (SameLetters(name, "Origin")) head.request.origin = value;
  if (SameLetters(name, "Content-Length")) {
    const auto result =
        std::from_chars(value.data(), value.data() + value.size(), head.body_length);
    if (result.ec != std::errc() || result.ptr != value.data() + value.size()) return false;
  }
  return true;
}

const char* Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 409:
      return "Conflict";
    case 411:
      return "Length Required";
    case 413:
      return "Content Too Large";
    case 422:
      return "Unprocessable Content";
    case 431:
      return "Request Header Fields Too Large";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 503:
      return "Service Unavailable";
    default:
      return "Status";
  }
}

}  // namespace

std::string HttpRequest::Param(std::string_view name, std::string_view fallback) const {
  const auto found = query.find(name);
  return found == query.end() ? std::string(fallback) : found->second;
}

std::optional<std::string> PercentDecode(std::string_view text, bool plus_is_space) {
  std::string out;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '+' && plus_is_space) {
      out += ' ';
    } else if (text[k] != '%') {
      out += text[k];
    } else {
      if (k + 2 >= text.size()) return std::nullopt;
      const int high = HexDigit(text[k + 1]);
      const int low = HexDigit(text[k + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      out += static_cast<char>(high * 16 + low);
      k += 2;
    }
  }
  return out;
}

std::optional<HttpHead> ParseHead(std::string_view head, int& status) {
  status = 400;
  HttpHead parsed;
  std::size_t end = head.find("\r\n");
  if (!ParseRequestLine(head.substr(0, end), parsed.request)) return std::nullopt;
  while (end != std::string_view::npos) {
    const std::size_t start = end + 2;
    end = head.find("\r\n", start);
    const std::string_view line = head.substr(start, end - start);
    if (line.empty()) continue;
    if (!ReadHeader(line, parsed, status)) return std::nullopt;
  }
  return parsed;
}

std::string ForeignRequest(const HttpRequest& request, std::uint16_t port) {
  const std::string own = std::to_string(port);
  // Compared piece by piece: GCC 12 warns wrongly (-Wrestrict) on a chain of +.
  const auto local = [&](std::string_view host) {
    for (const std::string_view name : {"127.0.0.1", "localhost"}) {
      if (host == name) return true;
      if (host.starts_with(name) && host.substr(name.size()) == std::string(1, ':').append(own)) {
        return true;
      }
    }
    return false;
  };
  if (!request.host.empty() && !local(request.host)) {
    return "the studio answers requests for 127.0.0.1 only";
  }
  const std::string_view origin = request.origin;
  if (request.method != "GET" && !origin.empty() &&
      !(origin.starts_with("http://") && local(origin.substr(7)))) {
    return "the studio takes changes from its own page only";
  }
  return "";
}

HttpResponse JsonError(int status, std::string_view message) {
  std::string quoted;
  for (const char c : message) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    quoted += c;
  }
  return HttpResponse{status, "application/json", "{\"error\":\"" + quoted + "\"}"};
}

std::string ResponseBytes(const HttpResponse& response) {
  std::string out = "HTTP/1.1 " + std::to_string(response.status) + " " + Reason(response.status);
  out += "\r\nContent-Type: " + response.type;
  out += "\r\nContent-Length: " + std::to_string(response.body.size());
  // Nothing the page fetches is kept: every answer reflects the files now.
  out += "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n";
  out += response.body;
  return out;
}
