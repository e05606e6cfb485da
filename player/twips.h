#pragma once
// Element positions in twips, as the window is designed and skins lay it out (15 twips to a pixel).
// Each element keeps its exact twip position beside its pixel one, so positions computed from other
// positions (a button 35 twips after its neighbour) do not gather rounding errors.

class QWidget;

namespace twips {

double Left(const QWidget *element);
double Top(const QWidget *element);
double Width(const QWidget *element); // of its current size
double Height(const QWidget *element);

void Move(QWidget *element, double left, double top);
void SetLeft(QWidget *element, double left);
void SetTop(QWidget *element, double top);
// Position and size.
void Place(QWidget *element, double left, double top, double width, double height);

} // namespace twips
