// Second-order IIR filter (RBJ audio-EQ cookbook) used to colour noise bursts.
#pragma once

namespace tarvolenka::sounds {

class Biquad {
 public:
  static Biquad LowPass(double rate, double hz, double q);
  static Biquad HighPass(double rate, double hz, double q);
  // Unity gain at the centre frequency, so bursts keep their level whatever the Q.
  static Biquad BandPass(double rate, double hz, double q);

  double Process(double x);

 private:
  Biquad(double b0, double b1, double b2, double a0, double a1, double a2);

  double b0_, b1_, b2_, a1_, a2_;
  double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

}  // namespace tarvolenka::sounds
