#include <winsock2.h>
#include <ws2tcpip.h>
// after winsock2.h, which must come first
#include <windows.h>

#include <memory>

#include "socket.h"

namespace net {

namespace {

// Winsock is started once, before the first socket, and kept for the process.
bool Started() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

SOCKET Raw(Socket socket) { return static_cast<SOCKET>(socket); }

DWORD WINAPI RunWork(LPVOID context) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(context));
  (*work)();
  return 0;
}

}  // namespace

Socket ListenLoopback(std::uint16_t port, std::string& error) {
  if (!Started()) {
    error = "Winsock did not start";
    return kNoSocket;
  }
  const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) {
    error = "socket failed, error " + std::to_string(WSAGetLastError());
    return kNoSocket;
  }
  // No other program may take the port while the studio holds it.
  BOOL exclusive = TRUE;
  ::setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
               sizeof(exclusive));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(s, 64) != 0) {
    error = "bind or listen failed, error " + std::to_string(WSAGetLastError());
    ::closesocket(s);
    return kNoSocket;
  }
  return static_cast<Socket>(s);
}

std::uint16_t LocalPort(Socket listener) {
  sockaddr_in address{};
  int size = sizeof(address);
  if (::getsockname(Raw(listener), reinterpret_cast<sockaddr*>(&address), &size) != 0) return 0;
  return ntohs(address.sin_port);
}

Socket Accept(Socket listener) {
  const SOCKET s = ::accept(Raw(listener), nullptr, nullptr);
  return s == INVALID_SOCKET ? kNoSocket : static_cast<Socket>(s);
}

void SetTimeout(Socket socket, int timeout_ms) {
  const DWORD limit = static_cast<DWORD>(timeout_ms);
  ::setsockopt(Raw(socket), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit),
               sizeof(limit));
  ::setsockopt(Raw(socket), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&limit),
               sizeof(limit));
}

long Receive(Socket socket, char* buffer, std::size_t size) {
  const int chunk = size > 1u << 20 ? 1 << 20 : static_cast<int>(size);
  const int got = ::recv(Raw(socket), buffer, chunk, 0);
  return got == SOCKET_ERROR ? -1 : got;
}

bool SendAll(Socket socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const int chunk = bytes.size() > 1u << 20 ? 1 << 20 : static_cast<int>(bytes.size());
    const int sent = ::send(Raw(socket), bytes.data(), chunk, 0);
    if (sent == SOCKET_ERROR || sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

void Close(Socket socket) {
  ::shutdown(Raw(socket), SD_BOTH);
  ::closesocket(Raw(socket));
}

// The win32 thread model's C++ library has no std::thread.
void RunDetached(std::function<void()> work) {
  auto* context = new std::function<void()>(std::move(work));
  HANDLE thread = CreateThread(nullptr, 0, RunWork, context, 0, nullptr);
  if (thread == nullptr) {
    std::unique_ptr<std::function<void()>> undone(context);
    (*undone)();  // no thread to spare: answer on this one
    return;
  }
  CloseHandle(thread);
}

void Pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace net
