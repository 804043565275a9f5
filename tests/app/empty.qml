import QtQuick

Item {
    width: 10
    height: 10
}
