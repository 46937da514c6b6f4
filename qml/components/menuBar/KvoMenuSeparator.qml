import QtQuick 2.13
import QtQuick.Controls 2.5

MenuSeparator {
}
