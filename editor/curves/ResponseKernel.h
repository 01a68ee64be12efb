#pragma once

// One section's transfer function H(z) = N(z) / D(z), with
// N = b0 + b1 z^-1 + b2 z^-2 and D = a0 + a1 z^-1 + a2 z^-2.
struct FilterCoefficients {
    double b0 = 1, b1 = 0, b2 = 0;
    double a0 = 1, a1 = 0, a2 = 0;
};

// Evaluates the section at every point of the frequency grid into out[4096]:
// magnitude -20 log10(|D| / |N|) in dB, or (phase) the folded phase
// -atan((Im D Re N - Re D Im N) / (Re D Re N + Im D Im N)) * PhaseScale, which
// lies within +-9 before any fix-up. N and D are accumulated from their
// constant terms exactly as the plain evaluation does; the logarithm and the
// arc tangent are evaluated several points at a time, within 1e-9 of the
// library functions. A magnitude curve with a zero, denormal, infinite or
// undefined power anywhere, or a phase curve with an infinite or undefined
// term (or terms near the largest double), is evaluated the plain way
// throughout.
void EvaluateResponse(const FilterCoefficients &c, bool phase, double *out);

// The half-turn (18) fix-ups that make a folded phase curve read as one
// continuous shape, point by point: Raise adds 18 to a negative value, Lower
// takes 18 from a positive one, LowerTurnAbove lowers and then adds 18 at
// every grid point above turnHz.
enum class PhaseFixUp { None, Raise, Lower, LowerTurnAbove };
void FixUpPhase(PhaseFixUp fixUp, double turnHz, double *v);
// The phase evaluation with its fix-up in the same pass: bit for bit what
// EvaluateResponse(c, true, out) and then FixUpPhase would give.
void EvaluatePhase(const FilterCoefficients &c, PhaseFixUp fixUp, double turnHz, double *out);

// The fast evaluation on one instruction set, whatever the machine would
// choose: false when the machine lacks it or when a value needs the plain way
// (out then holds nothing useful). For measuring each variant. Plain is the
// way of machines without AVX2: no vector code, always there.
enum class KernelIsa { Plain, Avx2, Avx512 };
bool EvaluateResponseWith(KernelIsa isa, const FilterCoefficients &c, bool phase, double *out);

// The instruction set every later evaluation and sum uses, for measuring or
// testing a variant the machine would not choose: false, changing nothing,
// when the machine lacks it. Not while another thread evaluates.
bool UseKernelIsa(KernelIsa isa);

// The same, point by point with the library's cos, sin, log10 and atan: the
// reference the fast evaluation is measured against.
void EvaluateResponsePlain(const FilterCoefficients &c, bool phase, double *out);

// out[i] := sum of slots[k][i] for k = 0 to count - 1, added in that order
// starting from 0.0, at every grid point. With wrapPhase a sum beyond +-18
// moves towards it by 36, at most twice.
void SumResponses(const double *const *slots, int count, double *out, bool wrapPhase = false);
