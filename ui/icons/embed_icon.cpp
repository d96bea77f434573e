// Build-time tool: writes the window icon's pictures, rendered from
// zorvane.svg, into a C++ header as 32-bit ARGB pixels, so that the program
// makes its icon without reading an image file at start-up (which would have
// Qt scan its image-format plugins).
//     embed_icon HEADER PICTURE.png...
#include <QImage>
#include <QString>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: embed_icon HEADER PICTURE.png...\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Made by embed_icon from the renderings of ui/icons/zorvane.svg.\n"
           "#pragma once\n\n#include <cstdint>\n\nnamespace zorvane::ui::icon_pixels {\n\n";
    std::string table;
    for (int i = 2; i < argc; ++i) {
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "embed_icon: no square picture in %s\n", argv[i]);
            return 1;
        }
        const std::string name = "kPixels" + std::to_string(image.width());
        out << "inline constexpr std::uint32_t " << name << "[] = {" << std::hex;
        for (int y = 0; y < image.height(); ++y) {
            out << "\n   ";
            for (int x = 0; x < image.width(); ++x) {
                out << " 0x" << std::setw(8) << std::setfill('0') << image.pixel(x, y) << ",";
            }
        }
        out << std::dec << "\n};\n\n";
        table += "    {" + std::to_string(image.width()) + ", " + name + "},\n";
    }
    out << "struct Picture {\n    int size;\n    const std::uint32_t* pixels;\n};\n\n"
           "inline constexpr Picture kPictures[] = {\n"
        << table << "};\n\n}  // namespace zorvane::ui::icon_pixels\n";
    out.close();
    return out ? 0 : 1;
}
