// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "accessibility.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QTimer>

namespace runtime {

namespace {

// Gives the application its icon once the first window has painted. Any
// widget's paint counts: the window is covered by its page, which paints
// while the window itself paints nothing.
class IconAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            // Queued, so that the paint finishes first.
            QTimer::singleShot(0, this, [this] {
                // Read as PNG outright: a reader that may guess the format
                // loads every image plugin Qt has, SVG's among them.
                QIcon icon;
                for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
                    QImageReader reader(QStringLiteral(":/icons/%1x%1/org.velomira.Velomira.png").arg(size), "png");
                    reader.setAutoDetectImageFormat(false);
                    icon.addPixmap(QPixmap::fromImage(reader.read()));
                }
                QApplication::setWindowIcon(icon);
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void initialiseApplication()
{
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setApplicationName(QStringLiteral("velomira"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velomira.Velomira"));
    // Reading the icon's images takes longer than drawing the whole start
    // screen; it waits until the first window has been painted.
    qApp->installEventFilter(new IconAfterFirstPaint(qApp));
    installAccessibility();
}

} // namespace runtime
