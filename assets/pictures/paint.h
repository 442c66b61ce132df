#pragma once
// Tools for drawing the game's pictures as pixel art: hard edges, a small
// set of colours per object, and ordered dithering where light changes.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>

#include <initializer_list>
#include <map>

namespace koratsu::assets::art {

// 24-bit BMP, as the program's pictures beside it are.
bool SaveBmp(const QImage& image, const QString& path);
// PNG with its transparency, for the pictures stored with windows.
bool SavePng(const QImage& image, const QString& path);

// A painter on `image` without antialiasing.
void BeginPixelPainter(QPainter& painter, QImage& image);

// True where the second of two colours shows for a mix of t (0..1) at (x, y):
// a 4 × 4 ordered dither.
bool Dither(int x, int y, double t);

QColor Mix(const QColor& a, const QColor& b, double t);

// A vertical run of colours from the top of `area` to its bottom, dithered
// between neighbouring colours.
void VerticalGradient(QImage& image, const QRect& area, std::initializer_list<QColor> colours);

// Light falling on the pixels inside `shape`: each is pulled toward `light`
// by up to `strength`, fading with the distance from `source`, in dithered steps.
void Light(QImage& image, const QPolygon& shape, QPoint source, const QColor& light, double strength, double reach);

// Pixels from rows of characters: ' ' and '.' leave the picture as it is,
// every other character takes its colour from `colours`.
void Stamp(QImage& image, int x, int y, std::initializer_list<const char*> rows, const std::map<char, QColor>& colours);

// A transparent picture of width × height with `rows` stamped from its top-left corner.
QImage PictureFromRows(int width, int height, std::initializer_list<const char*> rows,
                       const std::map<char, QColor>& colours);

// A one-pixel frame round the picture, lit on its top and left inner edge.
void BevelFrame(QImage& image, const QColor& dark, const QColor& light);

}  // namespace koratsu::assets::art
