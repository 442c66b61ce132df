#pragma once
// Tools the portraits share (the speakers of the conversations, the
// assistants): flat shapes drawn first, then rims and shade put on them by
// colour, and a backdrop (framed with art::BevelFrame).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <functional>
#include <initializer_list>

namespace koratsu::assets::art {

// Recolours the pixels of one colour inside `area` that `where` picks, in
// dithered steps of `t`: how the pictures put shade on a flat shape.
void ShadeWhere(QImage& image, const QRect& area, const QColor& from, const QColor& to,
                const std::function<double(int, int)>& where);

// Every pixel of `fill` that touches a pixel of another colour than the ones
// in `inside` gets the `outline` colour: a one-pixel rim drawn after the shapes.
void Rim(QImage& image, const QColor& fill, std::initializer_list<QColor> inside, const QColor& outline);

// Shade along the right-hand contour of a shape: pixels of `from` that lie
// within `depth` pixels of the shape's right edge, the innermost dithered.
void ShadeRightContour(QImage& image, const QRect& area, const QColor& from, const QColor& to, int depth,
                       std::initializer_list<QColor> shape);

// Shade to the right of `edge`, dithered over `soft` pixels before it.
double Band(int x, int edge, int soft);

// A filled ellipse and a filled polygon, without an outline.
void Ellipse(QPainter& p, const QColor& colour, int x, int y, int w, int h);
void Polygon(QPainter& p, const QColor& colour, std::initializer_list<QPoint> points);

// A portrait's picture, its background a run of colours from top to bottom.
QImage Backdrop(int width, int height, std::initializer_list<QColor> colours);

}  // namespace koratsu::assets::art
