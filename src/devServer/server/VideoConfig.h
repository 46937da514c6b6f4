#pragma once

#include <QString>

namespace KvoCore {
class SettingsSimple;
}

namespace DevServer {

// The video settings of the server ("video/..." keys), defaults written when missing.
struct VideoConfig {
    QString demoClip;        // sample clip of the demo camera; empty: no demo camera
    bool record = true;      // record every enabled device
    int clipSeconds = 60;    // length of a recorded clip
    int eventSeconds = 10;   // length of a motion event clip
    int devicePollMs = 2000; // how often the device table is checked for changes

    static VideoConfig fromSettings(KvoCore::SettingsSimple& settings);
};

} // namespace DevServer
