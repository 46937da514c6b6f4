#pragma once

#include <QString>
#include <functional>
#include <vlc/vlc.h>

namespace VlcTestSupport {

// Path of a clip made by the build ("pattern.mp4", "short.mp4", "solid.mp4").
QString mediaPath(const QString& name);
// Quiet libvlc options for tests: no X11 calls from libvlc, no audio, no window of its own.
void configureQuietLibvlc();
// A libvlc instance with the same quiet options, for wrapper-level tests and stream senders.
libvlc_instance_t* newQuietInstance();
// Runs the Qt event loop until `done` holds or `timeoutMs` passes; returns `done()`.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

} // namespace VlcTestSupport
