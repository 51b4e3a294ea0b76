#pragma once
// The video thumbnail preview: the one job of the program that runs on a second thread.

#include <string>

#include "player/web/web_ports.h"

namespace web {

// The worker's body: fetches the thumbnail into "defolt.jpg" (kept for the next start), and
// hands the picture and the label text to the user-interface thread.
void fetchThumbnail(WebPorts& ports, const std::string& url);

// Starts fetchThumbnail on a worker thread with its own copy of url, unless a worker still
// runs: then nothing happens and the answer is false.
bool startThumbnailWorker(WebPorts& ports, const std::string& url);

// Waits for a worker that still runs (on the way out).
void joinThumbnailWorker(player::PlayerState& state);

}  // namespace web
