#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <vlc/vlc.h>

// The libvlc instance shared by every player, with the options it is created with, and the table of
// media options a playlist may pass as trusted.
class QmlVlcConfig : public QObject {
    Q_OBJECT
public:
    static QmlVlcConfig& instance();

    void setNetworkCachingMs(int ms) { m_networkCachingMs = ms; }
    void setAdjustFilterEnabled(bool enabled) { m_adjustFilter = enabled; }
    void setMarqueeFilterEnabled(bool enabled) { m_marqueeFilter = enabled; }
    void setLogoFilterEnabled(bool enabled) { m_logoFilter = enabled; }
    void setDebugLogEnabled(bool enabled) { m_debug = enabled; }
    void setVideoTitleHidden(bool hidden) { m_hideVideoTitle = hidden; }
    void setHardwareDecodingEnabled(bool enabled) { m_hardwareDecoding = enabled; }
    void setTrustAllOptions(bool trust) { m_trustAll = trust; }
    // Arguments appended after ours (for example "--no-xlib" or "--quiet" in tests and tools).
    void setExtraArguments(const QStringList& arguments) { m_extraArguments = arguments; }

    // Buffering of live players ("video/liveLatencyMs"): network caching of their media, in ms.
    // Measured on loopback: 100 ms shows a picture about 265 ms after it was sent (200 ms: 346 ms)
    // without losing more frames; below 100 ms libvlc found every picture late and showed none.
    static constexpr int defaultLiveLatencyMs = 100;
    static constexpr int minLiveLatencyMs = 100;
    void setLiveLatencyMs(int ms) { m_liveLatencyMs = ms < 0 ? defaultLiveLatencyMs : ms; }
    int liveLatencyMs() const { return m_liveLatencyMs; }
    // Media options of the low-latency profile of live players: caching of `liveLatencyMs`, no extra
    // clock jitter allowance and pictures shown as they are decoded.
    QStringList liveMediaOptions() const;

    // Buffering of players of archive streams sent by the server, in ms: equal and small for every
    // such player, so that their pictures lag the server's position by one known amount.
    static constexpr int archiveStreamCachingMs = 200;
    // What an archive stream takes besides that caching from the server's position to the screen
    // (the server's sending and muxing, the decoder's frames): measured with the development server
    // on loopback from the pictures shown, about 0.8 s for every line alike.
    static constexpr int archiveStreamTransitMs = 800;
    // Media options of those players: that caching, and no growth of it when a packet is late (the
    // clock starts again instead), so that one late moment does not delay a line for good.
    QStringList archiveStreamMediaOptions() const;

    // Scheduling priority of libvlc's threads ("video/decoderNice", 0..19; 0 leaves it alone). A
    // player's input thread takes this nice value when it opens, and the demuxer, decoder and video
    // output threads it starts inherit it, so decoding that does not keep up with many tiles takes
    // the CPU the window does not need instead of starving it: the window answers clicks and draws
    // while pictures are dropped, spread over the tiles alike.
    static constexpr int defaultDecoderNice = 10;
    static constexpr int maxDecoderNice = 19;
    void setDecoderNice(int nice);
    int decoderNice() const { return m_decoderNice.load(); }
    // Called on a libvlc thread: lowers the calling thread's priority to `decoderNice` (never raises
    // it). Returns whether the thread now runs at that nice value or lower priority.
    bool lowerCallingThreadPriority() const;

    // The libvlc arguments the next instance is created with.
    QStringList arguments() const;
    // The shared instance, created on first use (null when libvlc cannot start); counted.
    libvlc_instance_t* acquireInstance();
    void releaseInstance(libvlc_instance_t* instance);
    int instanceRefCount() const;

    bool isMediaOptionTrusted(const QString& option) const;

private:
    QmlVlcConfig() = default;

    int m_networkCachingMs = -1;
    bool m_adjustFilter = false;
    bool m_marqueeFilter = false;
    bool m_logoFilter = false;
    bool m_debug = false;
    bool m_hideVideoTitle = true;
    bool m_hardwareDecoding = false;
    bool m_trustAll = false;
    int m_liveLatencyMs = defaultLiveLatencyMs;
    std::atomic<int> m_decoderNice{defaultDecoderNice};
    QStringList m_extraArguments;

    mutable std::mutex m_guard;
    int m_refCount = 0;
    libvlc_instance_t* m_instance = nullptr;
};
