/* Read before each of musl's files here (the build passes it with -include): the C library's
 * own <math.h> comes first, untouched, and then musl's functions and helpers take names of
 * their own, so that they never stand in for the C library's or clash with them. */
#include <math.h>

#define sinf musl_sinf
#define cosf musl_cosf
#define atan2f musl_atan2f
#define atanf musl_atanf
#define atan2 musl_atan2
#define atan musl_atan
#define __sindf musl___sindf
#define __cosdf musl___cosdf
#define __rem_pio2f musl___rem_pio2f
#define __rem_pio2_large musl___rem_pio2_large

/* Declared again under their new names, for the files that call one another. */
float musl_sinf(float);
float musl_cosf(float);
float musl_atan2f(float, float);
float musl_atanf(float);
double musl_atan2(double, double);
double musl_atan(double);
