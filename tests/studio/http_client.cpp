#include "http_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

HttpAnswer SendRaw(std::uint16_t port, const std::string& bytes) {
  HttpAnswer answer;
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
    ::close(fd);
    return answer;
  }
  for (std::size_t sent = 0; sent < bytes.size();) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;  // the server may answer and close before reading all
    sent += static_cast<std::size_t>(n);
  }
  std::string reply;
  char buffer[65536];
  for (ssize_t n; (n = ::recv(fd, buffer, sizeof(buffer), 0)) > 0;) reply.append(buffer, n);
  ::close(fd);
  if (reply.starts_with("HTTP/1.1 ")) answer.status = std::stoi(reply.substr(9, 3));
  const std::size_t body = reply.find("\r\n\r\n");
  if (body != std::string::npos) answer.body = reply.substr(body + 4);
  return answer;
}

HttpAnswer Get(std::uint16_t port, const std::string& target) {
  return SendRaw(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

HttpAnswer Post(std::uint16_t port, const std::string& target, const std::string& body) {
  return SendRaw(port, "POST " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " +
                           std::to_string(body.size()) + "\r\n\r\n" + body);
}
