#include "trayimage.h"

#include <QImageReader>
#include <QPixmap>

// A tray shows its icon at 16 to 32 pixels, twice that on dense screens.
// The icon file also carries a 256-pixel frame for file managers; loaded
// with the rest it would hold a quarter of a megabyte for the whole run.
QIcon trayIconFrom(const QString& file, int largestSide)
{
    QIcon icon;
    QImageReader reader(file);
    const int frames = reader.imageCount();
    for (int i = 0; i < frames; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        // The icon file's directory gives the size without decoding the frame.
        const QSize size = reader.size();
        if (size.isValid() && qMax(size.width(), size.height()) > largestSide)
            continue;
        const QImage frame = reader.read();
        if (!frame.isNull() && qMax(frame.width(), frame.height()) <= largestSide)
            icon.addPixmap(QPixmap::fromImage(frame));
    }
    // No frame small enough: the whole file, if there is one to read.
    if (icon.isNull() && QImageReader(file).canRead())
        return QIcon(file);
    return icon;
}
