#include "ProgramIcon.h"
#include "BuildConfig.h"

#include <QDir>
#include <limits>

namespace {
// The icon's drawings in the resources ("icon-N.png", N pixels square) from smallest to largest
// pixels.
QIcon IconFiles(int smallest, int largest) {
    QIcon sizes;
    const QDir resources(QStringLiteral(":/"));
    for (const QString &file : resources.entryList({QStringLiteral("icon-*.png")})) {
        const int size = file.section(u'-', 1).section(u'.', 0, 0).toInt();
        if (size >= smallest && size <= largest)
            sizes.addFile(resources.filePath(file));
    }
    return sizes;
}

constexpr int LargestFrameIcon = ZT_LARGEST_FRAME_ICON;
} // namespace

QIcon ProgramIcon() {
    // Adding a file decodes it at once; reading every size once, rather than for the application
    // and again for each window and picture, keeps that off every window's way to the screen.
    // The frame's sizes are shared with it; the large drawings, nine tenths of the pixels, are
    // only read when a picture first asks for the whole icon, after the main window is up.
    static const QIcon icon = [] {
        QIcon all = ProgramWindowIcon();
        const QIcon large = IconFiles(LargestFrameIcon + 1, std::numeric_limits<int>::max());
        for (const QSize &size : large.availableSizes())
            all.addPixmap(large.pixmap(size));
        return all;
    }();
    return icon;
}

QIcon ProgramWindowIcon() {
    static const QIcon icon = IconFiles(1, LargestFrameIcon);
    return icon;
}
