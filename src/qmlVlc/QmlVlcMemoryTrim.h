#pragma once

#include <QObject>
#include <QTimer>

// Gives the memory of ended players back to the system. Each libvlc thread allocates from a malloc
// arena of its own; when players end (a server restart ends every stream at once) their pictures and
// buffers are freed into those arenas and stay counted in the client's resident memory. A few
// seconds after the last player ended, malloc_trim returns the free pages, off the window's thread.
class QmlVlcMemoryTrim : public QObject {
    Q_OBJECT
public:
    // Owned by the application object, made on first use on its thread.
    static QmlVlcMemoryTrim& instance();

    static constexpr int quietMs = 3000;
    // A player ended: trims `quietMs` after the last such call (GUI thread).
    void playerEnded();
    // Trims done so far (tests).
    static int trims();
    // Called once at start, before any player: blocks of 128 KiB and more (pictures, decoder
    // buffers) get pages of their own, which go back to the system as soon as they are freed. glibc
    // would otherwise raise that threshold after the first such block is freed, and the next ones
    // would land in the threads' arenas and stay resident after their players end.
    static void keepLargeBlocksApart();

private:
    explicit QmlVlcMemoryTrim(QObject* parent);
    void trim();

    QTimer m_timer;
};
