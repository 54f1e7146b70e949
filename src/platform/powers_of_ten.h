#ifndef LUMOX_PLATFORM_POWERS_OF_TEN_H
#define LUMOX_PLATFORM_POWERS_OF_TEN_H

namespace lumox {

// The powers of ten a double holds exactly, 10^0 to 10^22: a product or quotient of an
// exact double by one of them is rounded once, correctly.
inline constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
inline constexpr int kLargestExactPowerOfTen = 22;

}  // namespace lumox

#endif
