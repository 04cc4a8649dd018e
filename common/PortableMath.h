#pragma once
// The few functions of the C maths library whose results reach a frame or a printed figure,
// made of + - * / and square roots only. Those are rounded exactly alike on every processor
// we build for; the library's own sine, arc tangent and logarithm are not, and one bit is
// enough to move a rounded pixel. Accurate to a few units in the last place.

namespace sk {

double PortableAtan(double x);

// The natural logarithm of a positive, finite x.
double PortableLog(double x);

// cos and sin of `turns` whole turns (2 pi turns radians), for turns in [0, 1].
struct TCosSin {
  double Cos = 1;
  double Sin = 0;
};
TCosSin TurnCosSin(double turns);

}  // namespace sk
