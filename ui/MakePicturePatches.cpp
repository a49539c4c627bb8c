// Build step: makes the patches encoding of a picture file and checks that
// it gives back exactly the pixels that decoding the file gives.
//   make-picture-patches PICTURE OUTPUT
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "ui/PicturePatches.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-picture-patches PICTURE OUTPUT\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "make-picture-patches: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray encoded = ui::encodePicturePatches(picture);
    if (ui::decodePicturePatches(encoded) != picture.convertToFormat(QImage::Format_RGB32)) {
        std::fprintf(stderr, "make-picture-patches: the patches differ from %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(encoded) != encoded.size()) {
        std::fprintf(stderr, "make-picture-patches: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
