#include "platform/window_conventions.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "platform/colors.h"

namespace koratsu::platform {

void FixWidth(QWidget* frame, int width, int minHeight) {
  frame->setMinimumWidth(width);
  frame->setMaximumWidth(width);
  frame->setMinimumHeight(minHeight);
  frame->resize(width, std::max(frame->height(), minHeight));
}

float ScreenColorCount(const QWidget* window) {
  QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  int bits = screen ? screen->depth() : 24;
  return static_cast<float>(std::pow(2.0, bits));
}

unsigned BackgroundForColorCount(float colors) { return colors >= 65536.0f ? kLightGrey : kGrey; }

void SetBackground(QWidget* window, unsigned bbggrr) {
  window->setAutoFillBackground(true);
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, VbColor(bbggrr));
  window->setPalette(palette);
}

void SetTextColour(QWidget* control, unsigned bbggrr) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::WindowText, VbColor(bbggrr));
  control->setPalette(palette);
}

Shape::Shape(QWidget* parent, unsigned fillColor) : QWidget(parent), fill_(fillColor) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetFillColor(unsigned bbggrr) {
  fill_ = bbggrr;
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), VbColor(fill_));
}

void FillHeadingBars(std::span<Shape* const> shapes) {
  for (Shape* shape : shapes)
    if (shape) shape->SetFillColor(kHeadingBarFill);
}

}  // namespace koratsu::platform
