#pragma once

#include "kvoCore/DTO.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>

namespace ClientBase {

// The wire format of the server link, with no socket in it: every message is a JSON array of records,
// compressed with qCompress and closed by "#ENDMSG". One instance reassembles one incoming byte
// stream; the static functions build and decode single frames.
class MessageFraming {
public:
    static constexpr int kMarkerSize = 7;
    // An unfinished frame larger than this is dropped: a peer must not exhaust our memory.
    static constexpr int kMaxPendingBytes = 64 * 1024 * 1024;
    // A frame that inflates (or claims to inflate) to more than this is refused.
    static constexpr qint64 kMaxInflatedBytes = 256LL * 1024 * 1024;

    static QByteArray endMarker();

    // "[" + compact JSON of the record + "]"; empty for a null record.
    static QByteArray recordJson(const SpDto& dto);
    // "[" + compact JSON of the non-null records joined by ", " + "]"; empty for an empty list.
    static QByteArray listJson(const QList<SpDto>& list);
    // Payload (qCompress level 9 when `compress`) followed by the end marker.
    static QByteArray frame(const QByteArray& json, bool compress = true);

    enum class Next { Frame, NeedMore, Overflow };
    explicit MessageFraming(int maxPendingBytes = kMaxPendingBytes);

    void append(const QByteArray& bytes);
    // Takes the next complete frame (without its marker) off the stream. Empty frames are skipped.
    // Overflow: the unfinished frame passed the bound; the stream has been cleared.
    Next next(QByteArray* frame);
    void clear();
    int maxPendingBytes() const { return m_maxPending; }
    void setMaxPendingBytes(int bytes) { m_maxPending = bytes; }
    // Bytes received but not yet handed out as frames.
    int pendingBytes() const { return m_buffer.size() - m_start; }

    enum class Inflate { Ok, Corrupt, TooLarge };
    // qUncompress format (4-byte big-endian size, then a zlib stream) with a bound on the output.
    static Inflate inflate(const QByteArray& frame, QByteArray* out, qint64 limit = kMaxInflatedBytes);

    struct Parsed {
        enum class Error { None, NotJson, NotArray };
        Error error = Error::None;
        QList<QJsonObject> records;
        int nonObjects = 0;
    };
    static Parsed parse(const QByteArray& payload);

    // The JSON text with the values of secret keys (passwords, tokens) replaced by "***", at any
    // depth; everything else is kept byte for byte. Works on any text, valid JSON or not.
    static QByteArray maskSecrets(const QByteArray& json);

private:
    QByteArray m_buffer;
    int m_start = 0;    // first byte not yet handed out
    int m_scanFrom = 0; // where the next marker search resumes
    int m_maxPending;
};

} // namespace ClientBase
