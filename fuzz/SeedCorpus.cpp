// Writes the seed inputs of framingFuzzer into the folder given as argument: valid frames and the
// edge cases the link has to survive. The first byte of each input is the fuzzer's read size.
#include "kvoClientController/network/MessageFraming.h"

#include <QDir>
#include <QFile>

using ClientBase::MessageFraming;

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QByteArray claimsHuge = qCompress(QByteArray("[]"));
    claimsHuge[0] = char(0x10);
    claimsHuge[3] = char(0x01);
    const QList<QPair<QString, QByteArray>> seeds = {
        {"two", "\x05" + MessageFraming::frame(R"([{"FN":"device_saGetList","entries":[{"id":2}]}])") +
                    MessageFraming::frame(R"([1,{"pwd":"x"}])")},
        {"empty", "\x01#ENDMSG#ENDMSG" + MessageFraming::frame("[]")},
        {"notarray", "\x07" + MessageFraming::frame(R"({"FN":"a_b"})")},
        {"secrets", QByteArray(1, '\0') + R"([{"pwd":"a\"b","cfg":{"access_token":[1,"]"]}}])"},
        {"huge", "\x03" + claimsHuge + "#ENDMSG"},
    };
    for (const auto& [name, data] : seeds) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
            return 1;
        }
    }
    return 0;
}
