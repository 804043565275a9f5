import QtQuick

// The smallest scene of the same kind: one rectangle filling the window.
Rectangle {
    width: 1024
    height: 640
    color: "#1a1a1a"
}
