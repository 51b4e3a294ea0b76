#pragma once
// The player's audio back-end: one interface for every sound the player makes. Handles are
// 32-bit, byte positions and lengths are counted as 16-bit stereo PCM at 44,100 Hz
// (176,400 bytes a second). Every call on handle 0 or on a handle that is no longer valid fails
// harmlessly (0, false, -1 or nothing, as each call says).

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

using StreamHandle = uint32_t;

// What channelIsActive answers.
enum ChannelActivity : int {
    kChannelStopped = 0,  // ended, freed, never valid, or handle 0
    kChannelPlaying = 1,
    kChannelStalled = 2,  // a network stream waiting for data: still active
    kChannelPaused = 3,   // still active
};

class Audio {
public:
    virtual ~Audio() = default;

    // Opens the output (device -1: the default one). The player ignores the result.
    virtual bool init(int device, int frequency) = 0;

    // A stream from an http:// URL; blocks until the answer's headers arrived or the request
    // failed (bounded). 0 on failure.
    virtual StreamHandle streamCreateUrl(const std::string& url) = 0;
    // A stream from a sound file (path in code page 1251), format detected by content. 0 on failure.
    virtual StreamHandle streamCreateFile(const std::string& path) = 0;
    // The stream is gone; freeing 0 does nothing.
    virtual bool streamFree(StreamHandle handle) = 0;

    // Starts playback, or continues where it was paused (restart = false).
    virtual bool channelPlay(StreamHandle handle, bool restart) = 0;
    virtual bool channelPause(StreamHandle handle) = 0;
    virtual bool channelStop(StreamHandle handle) = 0;
    virtual int channelIsActive(StreamHandle handle) = 0;

    // Volume 0.0 to 1.0 (the volume attribute).
    virtual bool channelSetVolume(StreamHandle handle, float volume) = 0;
    // Jumps to a byte position; a position the stream rejects changes nothing (false).
    virtual bool channelSetPosition(StreamHandle handle, int64_t bytes) = 0;
    // What has been heard so far, in bytes; -1 on failure.
    virtual int64_t channelGetPosition(StreamHandle handle) = 0;
    // Length in bytes; -1 for a stream of unknown length (any network stream) or on failure.
    virtual int64_t channelGetLength(StreamHandle handle) = 0;
    // Seconds of a byte count; a negative count gives a negative time. Fails (returns a negative
    // value) for an invalid handle.
    virtual double channelBytes2Seconds(StreamHandle handle, int64_t bytes) = 0;

    // A 2048-sample FFT of what is playing now: 1024 magnitudes written to out (room for 1025
    // floats is passed, as the player does); answers the byte count written (4096), or -1 when
    // there is no stream or no data.
    virtual int channelGetFft2048(StreamHandle handle, float* out) = 0;

    // The raw 128-byte ID3 version 1 block of a file stream that has one.
    virtual std::optional<std::string> channelGetId3v1(StreamHandle handle) = 0;
    // The last stream metadata text as received ("StreamTitle='...';..."), if any arrived.
    virtual std::optional<std::string> channelGetMeta(StreamHandle handle) = 0;
};

}  // namespace platform
