#ifndef LUMOX_NUMERIC_SCALE_H
#define LUMOX_NUMERIC_SCALE_H

namespace lumox {

class Matrix;

// One axis scaled to nice numbers: labels low .. high in units of 10^exponent, high - low
// a multiple of the interval count, and the minor subdivisions per labelled interval.
struct AxisScale {
    int low = 0;
    int high = 0;
    int exponent = 0;
    int minor = 0;
};

// 10^k by repeated multiplication or division by 10, so that the axis arithmetic rounds
// the same way everywhere.
double PowerOfTen(int k);

// Scales rows 0 .. n - 1 of a column into `intervals` labelled intervals with steps
// 1, 2, 3, 4, 5, 6 or 8 times a power of ten, centred on the data. 0 on success; 1 when
// the values are all equal or intervals < 2 (with includeZero such an axis starts at 0
// instead and fails only when the largest value is not positive), when there are no
// values or no intervals at all, and when the values come so near the largest double
// that the limits overflow. Outputs are 0 on failure.
int ScaleAxis(const Matrix& matrix, int column, int n, int intervals, AxisScale& scale,
              bool includeZero);

}  // namespace lumox

#endif
