// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// zarvento-icon-render SVG PNG SIZE: draws the SVG into a transparent SIZE x SIZE PNG, keeping its
// proportions and centring it. Used while building, to make the installed icons.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const char *what, const QString &path)
{
    std::fprintf(stderr, "zarvento-icon-render: %s: %s\n", what, qPrintable(path));
    return 1;
}

bool allTransparent(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sized = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&sized) : 0;
    if (!sized || size < 1 || size > 4096) {
        std::fprintf(stderr, "uso: zarvento-icon-render SVG PNG LATO (da 1 a 4096 pixel)\n");
        return 2;
    }
    const QString &svg = args.at(1);
    const QString &png = args.at(2);

    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail("SVG illeggibile", svg);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    // A drawing that leaves every pixel clear means the SVG was not understood.
    if (allTransparent(image))
        return fail("l'SVG non disegna nulla", svg);
    if (!image.convertToFormat(QImage::Format_ARGB32).save(png, "PNG"))
        return fail("non riesco a scrivere", png);
    return 0;
}
