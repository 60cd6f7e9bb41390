#include "http/http_server.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

namespace {

// Reads the head, up to and without the blank line, and whatever of the
// body came with it; false when the connection ends or the head is too long.
bool ReadHead(net::Socket socket, std::size_t limit, std::string& head, std::string& rest,
              int& status) {
  std::string bytes;
  char buffer[4096];
  for (;;) {
    const std::size_t end = bytes.find("\r\n\r\n");
    if (end != std::string::npos && end <= limit) {
      head = bytes.substr(0, end + 2);
      rest = bytes.substr(end + 4);
      return true;
    }
    if (bytes.size() > limit + 3) {
      status = 431;
      return false;
    }
    const long got = net::Receive(socket, buffer, sizeof(buffer));
    if (got <= 0) return false;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

bool ReadBody(net::Socket socket, std::size_t length, std::string& body) {
  char buffer[4096];
  while (body.size() < length) {
    const long got = net::Receive(socket, buffer, sizeof(buffer));
    if (got <= 0) return false;
    body.append(buffer, static_cast<std::size_t>(got));
  }
  body.resize(length);
  return true;
}

bool Matches(const std::string& route, const std::string& path) {
  return route.ends_with('/') ? path.starts_with(route) : path == route;
}

}  // namespace

HttpServer::~HttpServer() {
  Stop();
  // The connections' threads use this object until they end.
  while (open_ > 0) net::Pause(5);
}

void HttpServer::Route(std::string method, std::string path, HttpHandler handler) {
  routes_.push_back({std::move(method), std::move(path), std::move(handler)});
}

std::string HttpServer::Listen(std::uint16_t port) {
  std::string error;
  const net::Socket listener = net::ListenLoopback(port, error);
  if (listener == net::kNoSocket)
    return "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + error;
  port_ = net::LocalPort(listener);
  listener_ = listener;
  return "";
}

void HttpServer::Serve() {
  for (;;) {
    const net::Socket listener = listener_;
    if (listener == net::kNoSocket) return;
    const net::Socket socket = net::Accept(listener);
    if (socket == net::kNoSocket) return;
    net::SetTimeout(socket, limits_.timeout_ms);
    if (++open_ > limits_.connections) {
      net::SendAll(socket, ResponseBytes(JsonError(503, "too many connections at once")));
      net::Close(socket);
      --open_;
      continue;
    }
    net::RunDetached([this, socket] {
      Answer(socket);
      net::Close(socket);
      --open_;
    });
  }
}

void HttpServer::Stop() {
  const net::Socket listener = listener_.exchange(net::kNoSocket);
  if (listener != net::kNoSocket) net::Close(listener);
}

void HttpServer::Answer(net::Socket socket) {
  std::string head, body;
  int status = 400;
  if (!ReadHead(socket, limits_.head_bytes, head, body, status)) {
    if (status == 431)
      net::SendAll(socket, ResponseBytes(JsonError(431, "request head too large")));
    return;
  }
  std::optional<HttpHead> parsed = ParseHead(head, status);
  HttpResponse response;
  if (!parsed) {
    response = JsonError(status, "malformed request");
  } else if (parsed->body_length > limits_.body_bytes) {
    response =
        JsonError(413, "request body larger than " + std::to_string(limits_.body_bytes) + " bytes");
    net::SendAll(socket, ResponseBytes(response));
    // Read on a little, so that the client sees the answer rather than a
    // connection reset by the unread bytes.
    const std::size_t unread = parsed->body_length - std::min(parsed->body_length, body.size());
    std::string ignored;
    ReadBody(socket, std::min<std::size_t>(unread, 4u << 20), ignored);
    return;
  } else if (!ReadBody(socket, parsed->body_length, body)) {
    return;
  } else if (const std::string foreign = ForeignRequest(parsed->request, port_); !foreign.empty()) {
    response = JsonError(403, foreign);
  } else {
    parsed->request.body = std::move(body);
    response = Dispatch(parsed->request);
  }
  net::SendAll(socket, ResponseBytes(response));
}

HttpResponse HttpServer::Dispatch(const HttpRequest& request) const {
  bool path_known = false;
  for (const RouteEntry& route : routes_) {
    if (!Matches(route.path, request.path)) continue;
    path_known = true;
    if (route.method != request.method) continue;
    try {
      return route.handler(request);
    } catch (const std::exception& e) {
      return JsonError(500, e.what());
    }
  }
  return path_known ? JsonError(405, "method not allowed") : JsonError(404, "no such path");
}
