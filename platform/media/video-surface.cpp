#include "platform/media/video-surface.h"

#include <QGuiApplication>

namespace platform::media {

VideoSurface::VideoSurface(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("videoSurface"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

WId VideoSurface::videoWindow() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return 0;
    // Otherwise every sibling up the way to the top-level window becomes a native window too, which
    // a skinned window with a shape of its own does not take well.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setAttribute(Qt::WA_NativeWindow);
    return winId();
}

} // namespace platform::media
