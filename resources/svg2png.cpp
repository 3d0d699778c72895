// Build-time helper: renders one of our SVG drawings into the PNG that the
// forms and the code name, at the drawing's own width and height, so the
// bitmap resources never drift from their vector sources.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    // The platform plug-in wants a private runtime folder; builds often run
    // without one, and the warning it prints would bury real drawing errors.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: dwav_svg2png <drawing.svg> <picture.png>\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        std::fprintf(stderr, "dwav_svg2png: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    const QFileInfo target(args.at(2));
    if (!QDir().mkpath(target.absolutePath()) || !image.save(target.absoluteFilePath(), "PNG")) {
        std::fprintf(stderr, "dwav_svg2png: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
