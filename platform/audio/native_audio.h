#pragma once
// The audio back-end of this machine: files and HTTP streams decoded here and mixed on a
// thread of their own into PulseAudio, ALSA or a real-time null output.

#include <memory>
#include <string>

#include "platform/audio.h"

namespace platform {

// The process's one back-end.
Audio& nativeAudio();

// A back-end of its own (tests, benchmarks). Its output is chosen by init(), or at the first
// stream when init() was not called: the environment variable VT_AUDIO_OUTPUT ("null",
// "pulse", "alsa") forces one; otherwise the sound server, the sound card, then null.
std::unique_ptr<Audio> createNativeAudio();

// The output a back-end made by this file plays into: "pulse", "alsa" or "null"; empty before
// it started or for any other Audio.
std::string nativeAudioOutput(Audio& audio);

}  // namespace platform
