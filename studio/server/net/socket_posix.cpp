#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "socket.h"

namespace net {

Socket ListenLoopback(std::uint16_t port, std::string& error) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = std::strerror(errno);
    return kNoSocket;
  }
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(fd, 64) != 0) {
    error = std::strerror(errno);
    ::close(fd);
    return kNoSocket;
  }
  return fd;
}

std::uint16_t LocalPort(Socket listener) {
  sockaddr_in address{};
  socklen_t size = sizeof(address);
  if (::getsockname(static_cast<int>(listener), reinterpret_cast<sockaddr*>(&address), &size) !=
      0) {
    return 0;
  }
  return ntohs(address.sin_port);
}

Socket Accept(Socket listener) {
  for (;;) {
    const int fd = ::accept4(static_cast<int>(listener), nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0) return fd;
    if (errno != EINTR && errno != ECONNABORTED) return kNoSocket;
  }
}

void SetTimeout(Socket socket, int timeout_ms) {
  timeval limit{timeout_ms / 1000, (timeout_ms % 1000) * 1000};
  ::setsockopt(static_cast<int>(socket), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof(limit));
  ::setsockopt(static_cast<int>(socket), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
}

long Receive(Socket socket, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::recv(static_cast<int>(socket), buffer, size, 0);
    if (got >= 0 || errno != EINTR) return got;
  }
}

bool SendAll(Socket socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(static_cast<int>(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

void Close(Socket socket) {
  // Wakes a thread blocked in accept on this socket, then lets it go.
  ::shutdown(static_cast<int>(socket), SHUT_RDWR);
  ::close(static_cast<int>(socket));
}

void RunDetached(std::function<void()> work) { std::thread(std::move(work)).detach(); }

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace net
