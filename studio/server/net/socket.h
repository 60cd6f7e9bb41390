#pragma once
// The few socket calls the studio's HTTP server makes, one implementation per
// platform. The server listens on the loopback address only: the studio edits
// files on this machine for a browser on this machine.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace net {

using Socket = std::intptr_t;
inline constexpr Socket kNoSocket = -1;

// A socket listening on 127.0.0.1:port (0: any free port); kNoSocket and the
// reason in `error` when it cannot.
Socket ListenLoopback(std::uint16_t port, std::string& error);
std::uint16_t LocalPort(Socket listener);
// The next connection, or kNoSocket once the listener is closed.
Socket Accept(Socket listener);
// Sends and receives give up after timeout_ms without progress.
void SetTimeout(Socket socket, int timeout_ms);
// Bytes received (0 at the end of the stream), or -1.
long Receive(Socket socket, char* buffer, std::size_t size);
bool SendAll(Socket socket, std::string_view bytes);
void Close(Socket socket);

// Runs work on a thread of its own, which nobody waits for.
void RunDetached(std::function<void()> work);

void Pause(int milliseconds);

}  // namespace net
