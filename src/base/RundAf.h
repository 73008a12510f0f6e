#pragma once

// Rounds to the nearest integer, halves to the even neighbour (the default
// floating-point rounding mode), as every pixel value of the clock is rounded.
int RundAf(double vaerdi);
