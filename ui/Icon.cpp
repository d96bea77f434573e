#include "Icon.h"

#include <QImage>
#include <QPixmap>

#include "IconPixels.h"

namespace zorvane::ui {

QIcon calculatorIcon() {
    QIcon icon;
    for (const auto& picture : icon_pixels::kPictures) {
        // The image borrows the compiled-in pixels; fromImage copies them.
        const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.size,
                           picture.size, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace zorvane::ui
