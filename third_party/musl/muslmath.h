/* The few functions of musl's libm that the game takes from here rather than from the C library
 * it is built with, under names of their own: every build (the native one on glibc, the
 * WebAssembly one) then computes them to the same bits. */
#ifndef TOBRAKKA_MUSLMATH_H
#define TOBRAKKA_MUSLMATH_H

#ifdef __cplusplus
extern "C" {
#endif

float musl_sinf(float x);
float musl_cosf(float x);
float musl_atan2f(float y, float x);
double musl_atan2(double y, double x);

#ifdef __cplusplus
}
#endif

#endif
