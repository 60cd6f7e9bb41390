#pragma once
// The record of every host call the plug-in makes, in order, with its
// arguments. Printed as text, one call per line:
//   <frame> <HostFamily.Name> <argument> ...
// Integers in decimal, floats in the shortest form that reads back to the same
// float, texts as quoted UTF-8 with \" \\ \n and \uXXXX escapes.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace refhost {

struct RecordedCall {
  int frame = 0;
  std::string name;
  std::vector<std::string> args;
  std::uint32_t caller = 0;  // return address in the plug-in, when caller_log is on

  std::string line() const;
  std::string text() const;  // the line without its frame number
  // Arguments read back; the test fails loudly through std::invalid_argument
  // when the argument is not of that kind.
  float float_arg(std::size_t index) const;
  long long int_arg(std::size_t index) const;
  std::string text_arg(std::size_t index) const;  // UTF-8, quotes removed
};

std::string format_float(float value);
std::string format_text(std::u16string_view text);
std::string format_text(std::string_view text);

class DrawLog {
 public:
  // Starts a call record; add its arguments in order.
  DrawLog& call(std::string_view name);
  DrawLog& i(long long value);
  DrawLog& f(float value);
  DrawLog& text(const char16_t* text);
  DrawLog& text(const char* text);
  // A host address, as 0x and six hexadecimal digits (as --print-map writes it).
  DrawLog& address(std::uint32_t host_address);

  // While off, calls are dropped: what the host's own bookkeeping costs can
  // then be measured apart from the plug-in's work.
  void set_recording(bool on) { recording_ = on; }
  bool recording() const { return recording_; }

  // Called at the start of every host call, recorded or not (null stops
  // this): a watcher sees host code as it is whenever the plug-in calls out.
  void observe(void (*observer)(void*), void* context) {
    observer_ = observer;
    observer_context_ = context;
  }

  void set_frame(int frame) { frame_ = frame; }
  int frame() const { return frame_; }
  void clear() { calls_.clear(); }
  const std::vector<RecordedCall>& calls() const { return calls_; }
  // Calls with this name, in order.
  std::vector<RecordedCall> named(std::string_view name) const;
  // Every call as its line without the frame number.
  std::vector<std::string> texts() const;
  void print(std::ostream& out) const;

 private:
  std::vector<RecordedCall> calls_;
  int frame_ = 0;
  bool recording_ = true;
  void (*observer_)(void*) = nullptr;
  void* observer_context_ = nullptr;
};

// The log every host service records into.
DrawLog& draw_log();

}  // namespace refhost
