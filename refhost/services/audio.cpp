#include "services/audio.h"

#include "draw_log.h"
#include "routines.h"

namespace refhost {

namespace {

HOST_CDECL void play_front_end_sound(int sound, int argument) {
  draw_log().call(host_symbol(HostId::HostAudio_PlayFrontEndSound).name).i(sound).i(argument);
}

}  // namespace

void register_audio_services() {
  implement<HostId::HostAudio_PlayFrontEndSound>(play_front_end_sound);
}

}  // namespace refhost
