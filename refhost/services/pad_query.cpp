#include "services/pad_query.h"

#include "draw_log.h"
#include "routines.h"
#include "services/player.h"

namespace refhost {

namespace pad_query {

namespace {

// The index of a pad record the host handed out, or -1.
int pad_index(const void* pad) {
  for (int k = 0; k < player::kPads; ++k) {
    if (pad == player::pad(k)) return k;
  }
  return -1;
}

// A pointer that is no pad gets no answer: false.
HOST_THISCALL bool query(void* pad) {
  DrawLog& log = draw_log().call(host_symbol(HostId::HostPad_Query).name);
  const int index = pad_index(pad);
  if (index < 0) {
    log.text(pad == nullptr ? nullptr : "(unknown)");
    return false;
  }
  log.i(index);
  return player::pad(index)[kAnswerOffset] != 0;
}

}  // namespace

}  // namespace pad_query

void register_pad_query_services() { implement<HostId::HostPad_Query>(pad_query::query); }

}  // namespace refhost
