import QtQuick 2.13
import "../toolbuttons" as Base

Base.KvoToolButton {
}
