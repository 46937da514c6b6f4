import QtQuick 2.13
import QtQuick.Layouts 1.12

StackLayout {
}
