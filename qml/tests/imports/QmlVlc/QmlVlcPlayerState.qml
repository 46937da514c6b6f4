import QtQuick 2.13

QtObject {
    enum State { NothingSpecial, Opening, Buffering, Playing, Paused, Stopped, Ended, Error }
}
