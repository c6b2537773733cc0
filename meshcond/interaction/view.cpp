// View arithmetic of the condition editor's drawing area.
#include "meshcond/interaction/view.h"

#include <algorithm>
#include <cmath>

namespace meshcond::ui {

namespace {

// A view window never gets narrower than this share of the full extent, so
// that the scale stays finite and pixel positions stay within int.
constexpr double kMinimalWindowShare = 1e-4;
constexpr double kPixelLimit = 4.0e6;

int toPixel(double v) {
  if (!(v > -kPixelLimit)) return static_cast<int>(-kPixelLimit);  // NaN too
  if (v > kPixelLimit) return static_cast<int>(kPixelLimit);
  return static_cast<int>(std::floor(v));
}

int scrollValue(double v) {
  if (!(v > -1e9)) return -1000000000;
  if (v > 1e9) return 1000000000;
  return static_cast<int>(std::floor(v));
}

}  // namespace

View::View() { setSize(0, 0); }

void View::setSize(int width, int height) {
  resize(width, height);
  cx = width_ / 2;
  cy = height_ / 2;
}

void View::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
}

double View::getGScale() {
  xmed = (gxmax + gxmin) / 2;
  ymed = (gymax + gymin) / 2;
  double w = gxmax - gxmin;
  double h = gymax - gymin;
  if (!(w > 0) || !(h > 0)) return gscale;  // never divide by a closed window
  return 0.95 * std::min(width_ / w, height_ / h);
}

void View::prepareRedraw() {
  cx = width_ / 2;
  cy = height_ / 2;
  gscale = getGScale();
}

Pixel View::toScreen(double x, double y) const {
  return {toPixel((x - xmed) * gscale + cx), toPixel(cy - (y - ymed) * gscale)};
}

ModelPoint View::toModel(int X, int Y) const {
  if (!(gscale > 0)) return {xmed, ymed};
  return {(X - cx) / gscale + xmed, (cy - Y) / gscale + ymed};
}

void View::setExtent(double newXmin, double newXmax, double newYmin, double newYmax) {
  xmin = newXmin;
  xmax = newXmax;
  ymin = newYmin;
  ymax = newYmax;
}

void View::resetToExtent() {
  showExtent();
  hScroll = {0, kScrollRange};
  vScroll = {0, kScrollRange};
  eps = (xmax - xmin) * 0.01;
  gscale = getGScale();
  cx = width_ / 2;
  cy = height_ / 2;
}

void View::keepWindowOpen() {
  double minW = (xmax - xmin) * kMinimalWindowShare;
  double minH = (ymax - ymin) * kMinimalWindowShare;
  if (!(gxmax - gxmin >= minW)) {
    double c = (gxmax + gxmin) / 2;
    gxmin = c - minW / 2;
    gxmax = c + minW / 2;
  }
  if (!(gymax - gymin >= minH)) {
    double c = (gymax + gymin) / 2;
    gymin = c - minH / 2;
    gymax = c + minH / 2;
  }
}

void View::setScrollPositions() {
  hScroll.position = scrollValue((gxmin - xmin) / (xmax - xmin) * kScrollRange);
  vScroll.position = scrollValue((ymax - gymax) / (ymax - ymin) * kScrollRange);
}

void View::setScrollPages() {
  hScroll.page = scrollValue((gxmax - gxmin) * kScrollRange / (xmax - xmin));
  vScroll.page = scrollValue((gymax - gymin) * kScrollRange / (ymax - ymin));
}

void View::scaleAboutCentre(double factor) {
  double a = (gxmax - xmed) * factor;
  gxmin = xmed - a;
  gxmax = xmed + a;
  double b = (gymax - ymed) * factor;
  gymin = ymed - b;
  gymax = ymed + b;
}

void View::settleZoom() {
  keepWindowOpen();
  xrange = gxmax - gxmin;
  yrange = gymax - gymin;
  xmed = (gxmax + gxmin) / 2;
  ymed = (gymax + gymin) / 2;
  setScrollPages();
  setScrollPositions();
}

void View::zoomIn() {
  scaleAboutCentre(0.75);
  settleZoom();
}

void View::zoomOut() {
  scaleAboutCentre(1.5);
  if (gxmax - gxmin > xmax - xmin) showExtent();
  settleZoom();
}

void View::showExtent() {
  gxmax = xmax;
  gxmin = xmin;
  gymax = ymax;
  gymin = ymin;
}

void View::showExtentWithMargin() {
  showExtent();
  double mx = (gxmax - gxmin) * 0.05;
  double my = (gymax - gymin) * 0.05;
  gxmin -= mx;
  gxmax += mx;
  gymin -= my;
  gymax += my;
}

void View::panLeft() {
  double w = gxmax - gxmin;
  gxmax = std::min(gxmax + 0.25 * w, xmax);
  gxmin = gxmax - w;
  setScrollPositions();
}

void View::panRight() {
  double w = gxmax - gxmin;
  gxmin = std::max(gxmin - 0.25 * w, xmin);
  gxmax = gxmin + w;
  setScrollPositions();
}

void View::panUp() {
  double h = gymax - gymin;
  dy = 0.25 * h;
  gymin = std::max(gymin - dy, ymin);
  gymax = gymin + h;
  setScrollPositions();
}

void View::panDown() {
  double h = gymax - gymin;
  gymax = std::min(gymax + 0.25 * h, ymax);
  gymin = gymax - h;
  setScrollPositions();
}

void View::scrollHorizontal(int position) {
  double w = gxmax - gxmin;
  gxmin = xmin + position * (xmax - xmin) / kScrollRange;
  gxmax = gxmin + w;
  xrange = w;
  hScroll.position = position;
}

void View::scrollVertical(int position) {
  double h = gymax - gymin;
  gymax = ymax - position * (ymax - ymin) / kScrollRange;
  gymin = gymax - h;
  yrange = h;
  vScroll.position = position;
}

void View::zoomToBand() {
  ModelPoint org = toModel(XOrg, YOrg);
  ModelPoint pos = toModel(XPos, YPos);
  gxmax = pos.x;
  gxmin = org.x;
  gymax = org.y;
  gymin = pos.y;
  if (gxmin > gxmax) std::swap(gxmin, gxmax);
  if (gymin > gymax) std::swap(gymin, gymax);
  xmed = (gxmax + gxmin) / 2;
  ymed = (gymax + gymin) / 2;
  double r = std::min((gxmax - gxmin) / (xmax - xmin), (gymax - gymin) / (ymax - ymin));
  r = std::max(r, kMinimalWindowShare);
  gxmin = xmed - (xmax - xmin) * r * 0.5;
  gxmax = xmed + (xmax - xmin) * r * 0.5;
  gymin = ymed - (ymax - ymin) * r * 0.5;
  gymax = ymed + (ymax - ymin) * r * 0.5;
  setScrollPages();
  setScrollPositions();
}

void View::startBand(int X, int Y) {
  XOrg = XPos = X;
  YOrg = YPos = Y;
  DrawFlag = true;
}

void View::moveBand(int X, int Y) {
  XPos = X;
  YPos = Y;
}

}  // namespace meshcond::ui
