#pragma once
// A small HTTP/1.1 server for the studio's page: one request per connection,
// each connection on a thread of its own up to a bound, the head and the
// body of a request bounded in size. Answers 404 to a path no route takes,
// 405 to a method a route does not take, 413 to a body over the bound, 431 to
// a head over it, 503 when every connection slot is taken.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "http/http_message.h"
#include "net/socket.h"

using HttpHandler = std::function<HttpResponse(const HttpRequest&)>;

struct HttpLimits {
  std::size_t head_bytes = 16 * 1024;
  std::size_t body_bytes = 256 * 1024;
  int connections = 32;
  int timeout_ms = 10000;
};

class HttpServer {
 public:
  explicit HttpServer(const HttpLimits& limits = {}) : limits_(limits) {}
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // A path ending in '/' takes every path under it.
  void Route(std::string method, std::string path, HttpHandler handler);

  // Listens on 127.0.0.1:port (0: a free one); "" or why not.
  std::string Listen(std::uint16_t port);
  std::uint16_t port() const { return port_; }
  // Answers requests until Stop; returns once the listener is closed.
  void Serve();
  void Stop();

 private:
  struct RouteEntry {
    std::string method;
    std::string path;
    HttpHandler handler;
  };

  void Answer(net::Socket socket);
  HttpResponse Dispatch(const HttpRequest& request) const;

  HttpLimits limits_;
  std::vector<RouteEntry> routes_;
  std::atomic<net::Socket> listener_{net::kNoSocket};
  std::atomic<int> open_{0};
  std::uint16_t port_ = 0;
};
