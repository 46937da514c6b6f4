import QtQuick 2.13
import "../../components"

// Add, edit and delete of the stored camera passwords.
KvoTableToolBar {
}
