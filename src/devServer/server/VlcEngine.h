#pragma once

#include <QString>
#include <QStringList>
#include <vlc/vlc.h>

namespace DevServer {

// The server's one libvlc instance (reading sources, RTP sending, recording) and how a device's
// "source" becomes a media with its options.
class VlcEngine {
public:
    VlcEngine();
    ~VlcEngine();
    VlcEngine(const VlcEngine&) = delete;
    VlcEngine& operator=(const VlcEngine&) = delete;

    libvlc_instance_t* instance() const { return _instance; }

    // Device type codes of the catalogue.
    enum TypeCode { IpCamera = 2, UsbCamera = 3, File = 4, Screen = 5 };

    struct Source {
        QString mrl;
        QStringList options;        // media options, each starting with ':'
        bool needsEncoding = false; // raw pictures (screen, V4L2) that RTP/TS cannot carry as they are
        QString error;              // set when the source cannot be used at all
    };
    // `loop` repeats a file source without end.
    static Source source(int typeCode, const QString& source, bool loop);
    // The stream output chain part that encodes raw pictures to H.264 cheaply, with a trailing ':'.
    static QString encodeChain();

    // A new media for the source with its options and `extra`; nullptr when libvlc refuses it.
    libvlc_media_t* newMedia(const Source& source, const QStringList& extra) const;

private:
    libvlc_instance_t* _instance = nullptr;
};

} // namespace DevServer
