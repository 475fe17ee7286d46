// Takes the documentation screenshots of File > Import Image with Options in
// the three languages: a picture (or a drawn photo-like one) at 30 x 20 in 3
// colours. Run it under a display (Xvfb):
//   xvfb-run -s "-screen 0 1280x1024x24" picture_dialog_screenshots <folder> [picture]
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSpinBox>
#include <cstdio>

#include "core/MakerSettings.h"
#include "core/Palette.h"
#include "core/Session.h"
#include "editor/ImageImport.h"
#include "editor/PictureImportDialog.h"

namespace {
// A sunset: a sky fading from yellow to red, a sun and a dark sea.
QImage drawnPicture()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 320);
    sky.setColorAt(0, QColor(250, 230, 60));
    sky.setColorAt(1, QColor(230, 50, 30));
    painter.fillRect(0, 0, 640, 320, sky);
    painter.setBrush(QColor(255, 250, 240));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(320, 300), 90, 90);
    painter.fillRect(0, 320, 640, 160, QColor(20, 30, 120));
    return image;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: picture_dialog_screenshots <folder> [picture]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage picture = argc > 2 ? gw::editor::readPicture(QString::fromLocal8Bit(argv[2])) : drawnPicture();
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    gw::MakerSettings settings;
    settings.pictureColors = 3;
    bool ok = true;
    const char* suffixes[] = {"en", "nl", "it"};
    for (const gw::Language language : gw::allLanguages) {
        gw::Session session;
        session.language = language;
        gw::editor::PictureImportDialog dialog(session);
        dialog.setPicture(picture, settings);
        dialog.keepAspectBox()->setChecked(false);
        dialog.widthBox()->setValue(30);
        dialog.heightBox()->setValue(20);
        dialog.show();
        for (int i = 0; i < 10; ++i)
            app.processEvents(QEventLoop::AllEvents, 10);
        const QString path =
            folder.filePath(QStringLiteral("picture-dialog-%1.png").arg(suffixes[gw::languageIndex(language)]));
        const bool saved = dialog.grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
        ok = ok && saved;
    }
    return ok ? 0 : 1;
}
