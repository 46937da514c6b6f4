// Feeds arbitrary bytes to the incoming side of the link's framing, the way a hostile or broken peer
// would: split into reads at data-chosen points, framed, inflated, parsed and masked.
#include "kvoClientController/network/MessageFraming.h"

#include <cstddef>
#include <cstdint>

using ClientBase::MessageFraming;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<int>(size));
    // The first byte picks the read size; a small pending bound keeps the overflow path in reach.
    const int step = size > 0 ? 1 + data[0] % 64 : 1;
    MessageFraming framing(4096);
    QByteArray frame;
    for (int offset = 0; offset < input.size(); offset += step) {
        framing.append(input.mid(offset, step));
        for (;;) {
            const MessageFraming::Next next = framing.next(&frame);
            if (next != MessageFraming::Next::Frame) {
                break;
            }
            QByteArray payload;
            MessageFraming::inflate(frame, &payload, 1 << 20);
            const MessageFraming::Parsed parsed = MessageFraming::parse(payload);
            for (const QJsonObject& record : parsed.records) {
                KvoCore::DTO dto(record);
                (void)dto.data(QJsonDocument::Compact);
            }
            (void)MessageFraming::maskSecrets(payload);
        }
    }
    // The raw bytes as an uncompressed payload, so parsing and masking see arbitrary text directly.
    (void)MessageFraming::parse(input);
    const QByteArray masked = MessageFraming::maskSecrets(input);
    if (masked.size() > input.size() * 5 + 16) {
        __builtin_trap(); // masking only ever shortens values or turns them into "***"
    }
    return 0;
}
