#include "player/twips.h"

#include "common/units.h"

#include <QVariant>
#include <QWidget>

namespace twips {

namespace {

const char *const kLeft = "twipsLeft";
const char *const kTop = "twipsTop";

double Kept(const QWidget *element, const char *name, int pixels) {
    const QVariant kept = element->property(name);
    // A twip position is kept only while it still gives the element's pixel position.
    if (kept.isValid() && common::TwipsToPixels(kept.toDouble()) == pixels)
        return kept.toDouble();
    return double(pixels) * common::kTwipsPerPixel;
}

} // namespace

double Left(const QWidget *element) { return Kept(element, kLeft, element->x()); }
double Top(const QWidget *element) { return Kept(element, kTop, element->y()); }
double Width(const QWidget *element) { return double(element->width()) * common::kTwipsPerPixel; }
double Height(const QWidget *element) { return double(element->height()) * common::kTwipsPerPixel; }

void Move(QWidget *element, double left, double top) {
    element->setProperty(kLeft, left);
    element->setProperty(kTop, top);
    element->move(common::TwipsToPixels(left), common::TwipsToPixels(top));
}

void SetLeft(QWidget *element, double left) { Move(element, left, Top(element)); }
void SetTop(QWidget *element, double top) { Move(element, Left(element), top); }

void Place(QWidget *element, double left, double top, double width, double height) {
    Move(element, left, top);
    element->resize(common::TwipsToPixels(width), common::TwipsToPixels(height));
}

} // namespace twips
