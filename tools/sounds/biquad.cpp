#include "tools/sounds/biquad.h"

#include <cmath>
#include <numbers>

namespace tarvolenka::sounds {
namespace {

struct Angle {
  double cos_w;
  double alpha;
};

Angle AngleOf(double rate, double hz, double q) {
  const double w = 2.0 * std::numbers::pi * hz / rate;
  return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Biquad Biquad::LowPass(double rate, double hz, double q) {
  const auto [c, alpha] = AngleOf(rate, hz, q);
  return {(1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha};
}

Biquad Biquad::HighPass(double rate, double hz, double q) {
  const auto [c, alpha] = AngleOf(rate, hz, q);
  return {(1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha};
}

Biquad Biquad::BandPass(double rate, double hz, double q) {
  const auto [c, alpha] = AngleOf(rate, hz, q);
  return {alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * c, 1.0 - alpha};
}

double Biquad::Process(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

}  // namespace tarvolenka::sounds
