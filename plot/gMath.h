#pragma once
#include "Types.h"

#include <vector>

// Numeric routines shared by the plot library: logarithms for log axes, the
// tabulated-function interpolations that draw the strip-chart curve styles,
// and the integer geometry that tells whether a line touches a rectangle.
// Arrays are used from index 1 to N (index 0 exists and is ignored); the
// caller sizes them N + 1. Failures raise Exception with fixed messages.

long double Log10(long double X);                       // X <= 0 gives what log2 gives
long double RaisePower(long double Base, long double Exponent); // Base > 0

// Second derivatives of a spline through (X[i], Y[i]), i = 1..N, X ascending
// and distinct. The end slopes passed are not used: the curve leaves its
// first point and enters its last with the slopes of the first and last
// intervals (a slope above 0.99e30 makes that end natural).
void SplineSetup(const std::vector<double> &X, const std::vector<double> &Y, int N, std::vector<double> &Y2,
                 double YP1, double YPN);
// The spline's value at X; two equal neighbouring XA around X raise
// "Splint Error - xa's must be distinct".
void Splint(const std::vector<double> &XA, const std::vector<double> &YA, const std::vector<double> &Y2A, int N,
            double X, double &Y);
// Neville's polynomial through the N points; DY is the last correction, an
// error estimate. Equal XA raise "Polynomial Interpolation Error - Pause in
// Routine Data".
void PolynomialInterpolate(const std::vector<double> &XA, const std::vector<double> &YA, int N, double X, double &Y,
                           double &DY);
// The diagonal rational function through the N points (exact at an XA, with
// DY 0); a pole raises "Rational Interpolation Error - Pause in Routine Data".
void RationalInterpolate(const std::vector<double> &XA, const std::vector<double> &YA, int N, double X, double &Y,
                         double &DY);

// Slope 1e30 for a vertical line.
void LineThroughPoints(TPoint P1, TPoint P2, double &Slope, double &Intercept);
// True when the closed segments cross or touch; parallel (and collinear)
// segments are false.
bool SegmentsIntersect(TPoint A1, TPoint A2, TPoint B1, TPoint B2);
// True when the segment crosses a side of Rect or an end lies inside it
// (edges included).
bool SegmentIntersectsRect(TPoint P1, TPoint P2, const TRect &Rect);
